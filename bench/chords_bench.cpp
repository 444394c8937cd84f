// Chord following: a 64-bar progression played over a section, from its
// plan (made once per section and set of entries) and with the plan made
// each time, over the demo style (the largest style the tests use) and
// over a generated 16-channel section of 10,000 notes.
#include <benchmark/benchmark.h>

#include "casm/reader.h"
#include "chords/engine.h"
#include "document/demo_style.h"
#include "document/smf_reader.h"
#include "playback/collect_events.h"
#include "support/bench_files.h"

namespace {

// Four chords a bar in turn, changing every two beats: 64 bars, 128 changes.
std::vector<chords::TimedChord> progression64(std::uint16_t division) {
    const char* bars[] = {"C Am7", "Dm7 G7(9)", "Em7b5 A7(b9)", "Dm7/G G7sus4", "F#dim7 Bbmaj7", "Ebm6 Ab7(13)",
                          "C/E Fm", "Db7(#11) N.C."};
    std::string text;
    for (int bar = 0; bar < 64; ++bar) text.append(bars[bar % 8]).append(" | ");
    return std::get<std::vector<chords::TimedChord>>(chords::parseProgression(text, {}, division));
}

struct Section {
    std::vector<playback::MidiEvent> events;
    std::vector<casm::Entry> entries;
    std::uint16_t division = 480;
};

Section demoSection() {
    const base::Workspace ws(bench::benchDir());
    document::Document doc;
    document::readBytes(document::demoStyle(), doc, ws);
    Section s;
    s.division = doc.division;
    playback::CollectEvents(s.events, doc.events, "Main D");
    s.entries = chords::entriesOf(casm::readCasmFile(ws.casm()).entries, "Main D");
    return s;
}

// 16 channels, 10,000 notes over `bars` bars; every kind of rule somewhere.
Section generatedSection(int bars) {
    Section s;
    constexpr int kNotes = 10000;
    const std::uint64_t length = static_cast<std::uint64_t>(bars) * 1920;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> timed;
    for (int i = 0; i < kNotes; ++i) {
        const auto ch = static_cast<std::uint8_t>(i % 16);
        const std::uint64_t on = static_cast<std::uint64_t>(i) * length / kNotes;
        const auto note = static_cast<std::uint8_t>(30 + (i * 7) % 70);
        timed.emplace_back(on, playback::packMessage(static_cast<std::uint8_t>(0x90 | ch), note, 100));
        timed.emplace_back(std::min(length, on + 30 + (i % 5) * 400),
                           playback::packMessage(static_cast<std::uint8_t>(0x80 | ch), note, 0));
        if (i % 97 == 0) timed.emplace_back(on, playback::packMessage(static_cast<std::uint8_t>(0xB0 | ch), 11, 90));
    }
    std::stable_sort(timed.begin(), timed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [tick, message] : timed) {
        playback::MidiEvent e;
        e.tick = tick;
        e.message = message;
        s.events.push_back(e);
    }
    for (int ch = 0; ch < 16; ++ch) {
        casm::Entry e = casm::unmutedEntry(casm::TableKind::Ctb2);  // zones by the middle range
        e[casm::Track] = e[casm::MidiChan] = static_cast<std::uint8_t>(ch);
        e[casm::ChordType] = 2;
        e[casm::MiddleLow] = 48;
        e[casm::MiddleHigh] = 84;
        for (auto zone : {casm::Zone::Low, casm::Zone::Middle, casm::Zone::High}) {
            const int ntr = ch % 3;
            e.setRule(zone, casm::Rule::NTR, static_cast<std::uint8_t>(ntr));
            e.setRule(zone, casm::Rule::NTT, static_cast<std::uint8_t>(ntr == 2 ? ch / 3 % 3 : ch % 11));
            e.setRule(zone, casm::Rule::HighestKey, 7);
            e.setRule(zone, casm::Rule::LowLimit, 36);
            e.setRule(zone, casm::Rule::HighLimit, 96);
            e.setRule(zone, casm::Rule::RTR, static_cast<std::uint8_t>(ch % 6));
        }
        s.entries.push_back(e);
    }
    return s;
}

void playOnly(benchmark::State& state, const Section& s) {
    const auto plan = chords::planSection(s.events, s.entries, {}, s.division);
    const auto chords = progression64(s.division);
    std::size_t notes = 0;
    for (auto _ : state) {
        auto played = chords::playProgression(plan, chords, {});
        notes = played.notes.size();
        benchmark::DoNotOptimize(played);
    }
    state.counters["notes"] = static_cast<double>(notes);
}

void planAndPlay(benchmark::State& state, const Section& s) {
    const auto chords = progression64(s.division);
    for (auto _ : state) {
        const auto plan = chords::planSection(s.events, s.entries, {}, s.division);
        auto played = chords::playProgression(plan, chords, {});
        benchmark::DoNotOptimize(played);
    }
}

void BM_DemoMainD_Play64Bars(benchmark::State& state) {
    static const Section s = demoSection();
    playOnly(state, s);
}
void BM_DemoMainD_PlanAndPlay64Bars(benchmark::State& state) {
    static const Section s = demoSection();
    planAndPlay(state, s);
}
// The section's length in bars as the argument: 64 bars play the 10,000
// notes once, 8 bars eight times over (80,000 notes).
void BM_Generated16Channels_Play64Bars(benchmark::State& state) {
    const Section s = generatedSection(static_cast<int>(state.range(0)));
    playOnly(state, s);
}
void BM_Generated16Channels_PlanAndPlay64Bars(benchmark::State& state) {
    const Section s = generatedSection(static_cast<int>(state.range(0)));
    planAndPlay(state, s);
}

}  // namespace

BENCHMARK(BM_DemoMainD_Play64Bars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoMainD_PlanAndPlay64Bars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generated16Channels_Play64Bars)->Arg(64)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generated16Channels_PlanAndPlay64Bars)->Arg(64)->Arg(8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
