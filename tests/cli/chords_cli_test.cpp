#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/chords_run.h"
#include "document/demo_style.h"
#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/wav_file.h"

using testing_support::runCli;
using testing_support::TempDir;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) out.push_back(cell);
    return out;
}

bool has(const std::vector<std::string>& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

struct Demo {
    TempDir dir;
    std::string style = dir.write("Demo.sty", document::demoStyle()).string();
};

testing_support::CliResult chords(const std::string& file, const std::string& section, const std::string& progression,
                                  std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"chords", file, "--section", section, "--progression", progression};
    args.insert(args.end(), more.begin(), more.end());
    return runCli(args);
}

std::uint64_t lastTick(const std::vector<std::string>& rows) {
    std::uint64_t last = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) last = std::max<std::uint64_t>(last, std::stoull(cells(rows[i])[0]));
    return last;
}

}  // namespace

TEST(CliChords, PrintsOneSortedCsvLinePerPlayedNote) {
    Demo demo;
    const auto r = chords(demo.style, "Main A", "C | F");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto rows = lines(r.out);
    ASSERT_GT(rows.size(), 10u);
    EXPECT_EQ(rows[0], cli::kChordsCsvHeader);
    // Chord 1 (channel 12, Root Trans, Chord table) over C, then over F: B of the C Maj7 source goes to the root above.
    for (const auto* row : {"480,12,60,80,240,1,12,60,480,M,C,Root Trans/Chord/Pitch Shift",
                            "480,12,72,80,240,1,12,71,480,M,C,Root Trans/Chord/Pitch Shift",
                            "2400,12,65,80,240,1,12,60,2400,M,F,Root Trans/Chord/Pitch Shift",
                            "2400,12,77,80,240,1,12,71,2400,M,F,Root Trans/Chord/Pitch Shift"})
        EXPECT_TRUE(has(rows, row)) << row;
    // Drums (channel 10) keep their notes.
    EXPECT_TRUE(has(rows, "1920,10,36,100,120,1,10,36,1920,M,F,Root Fixed/Bypass/Pitch Shift"));
    // Sorted by tick, channel, note; 1-based channels.
    std::vector<std::tuple<std::uint64_t, int, int>> order;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto c = cells(rows[i]);
        ASSERT_EQ(c.size(), 12u) << rows[i];
        order.emplace_back(std::stoull(c[0]), std::stoi(c[1]), std::stoi(c[2]));
        EXPECT_GE(std::stoi(c[1]), 1);
        EXPECT_LE(std::stoi(c[1]), 16);
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_TRUE(has(rows, "1920,14,60,60,1910,1,14,55,1920,M,F,Root Trans/Chord/Pitch Shift to Root"));
    // The pad (Pitch Shift to Root) sounds on where F comes in the middle of the
    // bar: its G goes on as F in its own octave, without a new attack.
    const auto halves = lines(chords(demo.style, "Main A", "C F |").out);
    EXPECT_TRUE(has(halves, "0,14,55,60,960,1,14,55,0,M,C,Root Trans/Chord/Pitch Shift to Root"));
    EXPECT_TRUE(has(halves, "960,14,53,60,950,0,14,55,0,M,F,Root Trans/Chord/Pitch Shift to Root"));
}

TEST(CliChords, LoopingOnceLoopsTempoAndMute) {
    Demo demo;
    // Main A is two bars: a one-bar progression plays one bar of it.
    EXPECT_LT(lastTick(lines(chords(demo.style, "Main A", "C").out)), 1920u);
    EXPECT_GE(lastTick(lines(chords(demo.style, "Main A", "C", {"--once"}).out)), 1920u);
    const auto three = lines(chords(demo.style, "Main A", "C F", {"--loops", "3"}).out);
    EXPECT_GE(lastTick(three), 5 * 1920u);
    EXPECT_LT(lastTick(three), 6 * 1920u);
    // A fill plays once however long the progression is.
    EXPECT_LT(lastTick(lines(chords(demo.style, "Fill In AA", "C F G").out)), 1920u);
    const auto muted = lines(chords(demo.style, "Main A", "C", {"--mute", "10,12", "--tempo", "90"}).out);
    ASSERT_GT(muted.size(), 1u);
    for (std::size_t i = 1; i < muted.size(); ++i) {
        const auto channel = cells(muted[i])[1];
        EXPECT_TRUE(channel != "10" && channel != "12") << muted[i];
    }
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--loops", "0"},
                                                                  {"--loops", "2", "--once"},
                                                                  {"--tempo", "fast"},
                                                                  {"--mute", "17"},
                                                                  {"--mid", ""}}) {
        const auto r = chords(demo.style, "Main A", "C", bad);
        EXPECT_EQ(r.status, 2) << bad[0];
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("ctabber-cli: chords"), std::string::npos) << r.err;
    }
}

TEST(CliChords, ABadProgressionOrAMissingSectionIsAUsageError) {
    Demo demo;
    const auto bad = chords(demo.style, "Main A", "C F | G Am Cmaj13b");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "ctabber-cli: progression: bar 2, item 3: unknown chord quality 'maj13b'\n");
    const auto missing = chords(demo.style, "Main Z", "C");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("has no section 'Main Z'"), std::string::npos) << missing.err;
    EXPECT_EQ(runCli({"chords", demo.style, "--section", "Main A"}).status, 2);
    EXPECT_EQ(chords(demo.dir.file("none.sty").string(), "Main A", "C").status, 2);
}

TEST(CliChords, AStyleWithoutCasmFollowsTheEntriesCreationWouldMakeAndSaysSo) {
    TempDir dir;
    const auto track = document::TrackBuilder()
                           .text(0, 0x06, "SFF1")
                           .text(0, 0x06, "Main A")
                           .event(0, {0x99, 36, 100})
                           .event(0, {0x9A, 36, 90})  // channel 11: proposed as bass
                           .event(480, {0x89, 36, 0})
                           .event(0, {0x8A, 36, 0})
                           .end(1440)
                           .bytes();
    const auto file = dir.write("plain.mid", document::smfFile(0, 480, {track})).string();
    // The proposed bass has highest key D#: over F it goes down.
    const auto r = chords(file, "Main A", "F");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("has no CASM section"), std::string::npos) << r.err;
    const auto rows = lines(r.out);
    EXPECT_TRUE(has(rows, "0,10,36,100,480,1,10,36,0,M,F,Root Fixed/Bypass/Pitch Shift"));
    EXPECT_TRUE(has(rows, "0,11,29,90,480,1,11,36,0,M,F,Root Trans/Melody+Bass/Retrigger to Root"));
}

TEST(CliChords, TheMidiFileReadsBackWithEveryPlayedNote) {
    Demo demo;
    const auto out = demo.dir.file("played.mid").string();
    const auto r = chords(demo.style, "Main B", "Am7 | D7/F#", {"--mid", out});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto played = lines(r.out).size() - 1;
    const auto events = runCli({"events", out});
    ASSERT_EQ(events.status, 0) << events.err;
    std::size_t noteOns = 0, noteOffs = 0;
    for (const auto& row : lines(events.out)) {
        noteOns += row.ends_with("\tNote on") ? 1 : 0;
        noteOffs += row.ends_with("\tNote off") ? 1 : 0;
    }
    EXPECT_EQ(noteOns, played);
    EXPECT_EQ(noteOffs, played);
    // Format 0, the tempo and the start-up events first.
    const auto bytes = demo.dir.read("played.mid");
    ASSERT_GT(bytes.size(), 14u);
    EXPECT_EQ(bytes[9], 0);  // format
    EXPECT_NE(events.out.find("BPM=120"), std::string::npos);
    EXPECT_NE(events.out.find("F0 "), std::string::npos);
}

TEST(CliChords, TheWavRenderingSoundsWhereNotesPlay) {
    Demo demo;
    const auto out = demo.dir.file("played.wav");
    const auto r = chords(demo.style, "Main A", "C | G7", {"--wav", out.string(), "--tempo", "240"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lines(r.out)[0], cli::kChordsCsvHeader);
    const auto wav = testing_support::readWav(demo.dir.read("played.wav"));
    ASSERT_EQ(wav.channels, 2);
    // Two bars at 240 quarter notes a minute last two seconds.
    EXPECT_GE(wav.frames(), 44100u * 19 / 10);
    EXPECT_GT(wav.peak(0, wav.frames()), 1000);
}
