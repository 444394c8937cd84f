// Reading, writing and showing generated format-0 files of 100,000 to
// 4,000,000 events. Each benchmark reports the time per event and, for
// reading, the resident memory the document adds per event (pages actually
// touched; room reserved but never filled costs none), so that linearity can
// be checked across sizes in one run.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>

#include "base/workspace.h"
#include "document/event_cells.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"
#include "support/bench_files.h"

namespace {

base::Workspace& workspace() {
    static base::Workspace ws(bench::benchDir() / "work");
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
    const auto file = bench::styleLikeFile(events);
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
    document::readFile(bench::styleLikeFile(events), doc, workspace());
    const auto target = bench::benchDir() / "out.mid";
    for (auto _ : state)
        if (!document::saveAs(doc, target, document::FilterMid, workspace()).ok) state.SkipWithError("save failed");
    perEvent(state, events);
}

// Every cell of every row as the `events` command prints them.
void BM_FormatCells(benchmark::State& state) {
    const int events = static_cast<int>(state.range(0));
    document::Document doc;
    document::readFile(bench::styleLikeFile(events), doc, workspace());
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
