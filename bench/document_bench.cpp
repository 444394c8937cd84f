// Reading, writing and showing generated format-0 files of 100,000 to
// 4,000,000 events. Each benchmark reports the time per event and, for
// reading, the resident memory the document adds per event (pages actually
// touched; room reserved but never filled costs none), so that linearity can
// be checked across sizes in one run.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "app/workspace.h"
#include "document/event_cells.h"
#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"

namespace {

// The folder of the generated files, removed when the program ends.
struct BenchDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("ctabber-bench-" + std::to_string(::getpid()));
    BenchDir() { std::filesystem::create_directories(path); }
    ~BenchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

const std::filesystem::path& benchDir() {
    static const BenchDir dir;
    return dir.path;
}

// A mix like a real style: mostly notes, some controllers, programs and markers.
std::filesystem::path benchFile(int events) {
    static std::map<int, std::filesystem::path> made;
    if (auto it = made.find(events); it != made.end()) return it->second;
    document::TrackBuilder t;
    t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8});
    for (int i = 0, count = 2; count < events - 1; ++i, ++count) {
        const auto ch = static_cast<std::uint8_t>(i % 16);
        const auto note = static_cast<std::uint8_t>(36 + i % 48);
        switch (i % 10) {
            case 0: t.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 7, 100}); break;
            case 1: t.event(0, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(i % 128)}); break;
            case 2: t.text(0, 0x06, "Main A"); break;
            default: t.event(static_cast<std::uint32_t>(i % 3 * 60), {static_cast<std::uint8_t>(0x90 | ch), note, 100});
        }
    }
    t.end();
    auto file = benchDir() / ("events-" + std::to_string(events) + ".mid");
    app::writeFileAtomic(file, document::smfFile(0, 480, {t.bytes()}));
    return made[events] = file;
}

app::Workspace& workspace() {
    static app::Workspace ws(benchDir() / "work");
    return ws;
}

// Resident bytes of this process.
std::size_t resident() {
    std::size_t pages = 0, residentPages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%zu %zu", &pages, &residentPages) != 2) residentPages = 0;
        std::fclose(f);
    }
    return residentPages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

void perEvent(benchmark::State& state, int events) {
    state.counters["ns/event"] = benchmark::Counter(static_cast<double>(events) * 1e-9,
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void BM_Read(benchmark::State& state) {
    const int events = static_cast<int>(state.range(0));
    const auto file = benchFile(events);
    std::size_t kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ::malloc_trim(0);  // so that pages freed by the last round do not hide this one's
        const auto before = resident();
        state.ResumeTiming();
        document::Document doc;
        auto result = document::readFile(file, doc, workspace());
        if (result.failed || doc.events.eventCount() != events) state.SkipWithError("read failed");
        kept = resident() - before;
        benchmark::DoNotOptimize(doc.events.eventCount());
    }
    perEvent(state, events);
    state.counters["resident bytes/event"] = static_cast<double>(kept) / events;
}

void BM_Save(benchmark::State& state) {
    const int events = static_cast<int>(state.range(0));
    document::Document doc;
    document::readFile(benchFile(events), doc, workspace());
    const auto target = benchDir() / "out.mid";
    for (auto _ : state)
        if (!document::saveAs(doc, target, document::FilterMid, workspace()).ok) state.SkipWithError("save failed");
    perEvent(state, events);
}

// Every cell of every row as the `events` command prints them.
void BM_FormatCells(benchmark::State& state) {
    const int events = static_cast<int>(state.range(0));
    document::Document doc;
    document::readFile(benchFile(events), doc, workspace());
    std::string line;
    for (auto _ : state) {
        for (int r = 1; r <= events; ++r) {
            line.clear();
            for (int c = 0; c < document::kColumnCount; ++c) document::appendCell(line, doc.events, r, c, doc.timeBase());
            benchmark::DoNotOptimize(line.data());
        }
    }
    perEvent(state, events);
}

}  // namespace

BENCHMARK(BM_Read)->Arg(100'000)->Arg(1'000'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_Save)->Arg(100'000)->Arg(1'000'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_FormatCells)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK_MAIN();
