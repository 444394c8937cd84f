// Deleting 100,000 selected rows of a 1,000,000-event file, and undoing that
// delete: the core's edit built and applied, and taken back, as the window's
// Delete and Undo do before the view updates (bench/ui/edit_window_bench.cpp
// times the whole commands in the window).
#include <benchmark/benchmark.h>

#include "base/workspace.h"
#include "document/smf_reader.h"
#include "events/row_commands.h"
#include "support/bench_files.h"

namespace {

constexpr int kSelected = 100'000;

document::Document& millionDocument() {
    static document::Document doc = [] {
        document::Document d;
        document::readFile(bench::styleLikeFile(bench::kMillion), d, base::Workspace(bench::benchDir() / "work"));
        return d;
    }();
    return doc;
}

// Every tenth event, spread over the whole list.
void selectEveryTenth(document::EventList& list, bool on) {
    for (int r = 5; r <= list.eventCount() && r / 10 < kSelected; r += 10) list.setSelected(r, on);
}

void BM_DeleteSelected(benchmark::State& state) {
    auto& list = millionDocument().events;
    for (auto _ : state) {
        state.PauseTiming();
        selectEveryTenth(list, true);
        state.ResumeTiming();
        const auto plan = events::selectionDelete(list, true);
        auto edit = events::deleteEdit(list, plan.rows);
        document::redo(list, edit);
        state.PauseTiming();
        if (static_cast<int>(plan.rows.size()) != kSelected) state.SkipWithError("wrong selection");
        document::undo(list, edit);
        selectEveryTenth(list, false);
        state.ResumeTiming();
    }
}

void BM_UndoDelete(benchmark::State& state) {
    auto& list = millionDocument().events;
    for (auto _ : state) {
        state.PauseTiming();
        selectEveryTenth(list, true);
        auto edit = events::deleteEdit(list, events::selectionDelete(list, true).rows);
        document::redo(list, edit);
        state.ResumeTiming();
        document::undo(list, edit);
        state.PauseTiming();
        if (list.eventCount() != bench::kMillion) state.SkipWithError("undo lost rows");
        selectEveryTenth(list, false);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_DeleteSelected)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_UndoDelete)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK_MAIN();
