// The selection, clipboard and transposition commands on a generated file
// of 1,000,000 events, as the window runs them: cut and paste of 100,000
// rows through the clipboard file, selection by the event filter over every
// row, and transposition of one channel over every row. Each timed round
// builds the command's edit and applies it; the list is put back by taking
// the edit back outside the timing. "rows held" counts the rows the edit
// keeps for undo.
#include <benchmark/benchmark.h>

#include "base/workspace.h"
#include "document/smf_reader.h"
#include "events/event_clipboard.h"
#include "events/event_filter.h"
#include "events/selection.h"
#include "events/transpose.h"
#include "support/bench_files.h"

namespace {

constexpr int kEvents = bench::kMillion;
constexpr int kEvery = 10;  // every tenth row: 100,000 rows

std::filesystem::path clipboardFile() { return bench::benchDir() / "EventCopy.ini"; }

document::Document& million() {
    static document::Document doc = [] {
        document::Document d;
        document::readFile(bench::styleLikeFile(kEvents), d, base::Workspace(bench::benchDir() / "work"));
        return d;
    }();
    return doc;
}

std::vector<int> everyTenthRow(const document::EventList& list) {
    std::vector<int> rows;
    for (int r = 7; r <= list.eventCount(); r += kEvery) rows.push_back(r);  // notes of varied Tick+
    return rows;
}

double rowsHeld(const document::Edit& edit) {
    return static_cast<double>(edit.removed.size() + edit.inserted.size() + edit.replaced.size());
}

void BM_Cut100k(benchmark::State& state) {
    auto& doc = million();
    for (int r : everyTenthRow(doc.events)) doc.events.setSelected(r, true);
    document::Edit edit;
    for (auto _ : state) {
        // As Cut with "DelNote" on: every selected row goes to the clipboard and out of the list.
        const auto plan = events::copyPlan(doc.events, 1, true, false);
        if (!events::writeEventClipboard(clipboardFile(), doc, plan.rows, base::builtinLanguage()).ok)
            state.SkipWithError("clipboard not written");
        edit = events::cutRows(doc.events, plan.rows);
        document::redo(doc.events, edit);
        state.PauseTiming();
        document::undo(doc.events, edit);
        state.ResumeTiming();
    }
    state.counters["rows held"] = rowsHeld(edit);
    for (int r : everyTenthRow(doc.events)) doc.events.setSelected(r, false);
}

void BM_UndoCut100k(benchmark::State& state) {
    auto& doc = million();
    auto edit = events::cutRows(doc.events, everyTenthRow(doc.events));
    for (auto _ : state) {
        state.PauseTiming();
        document::redo(doc.events, edit);
        state.ResumeTiming();
        document::undo(doc.events, edit);
    }
}

void BM_Paste100k(benchmark::State& state) {
    auto& doc = million();
    events::writeEventClipboard(clipboardFile(), doc, everyTenthRow(doc.events), base::builtinLanguage());
    document::Edit edit;
    for (auto _ : state) {
        auto clipboard = events::readEventClipboard(clipboardFile(), base::builtinLanguage());
        if (clipboard.rows.size() != kEvents / kEvery) state.SkipWithError("clipboard not read");
        edit = events::pasteRows(doc.events, kEvents / 2, std::move(clipboard.rows));
        document::redo(doc.events, edit);
        state.PauseTiming();
        document::undo(doc.events, edit);
        state.ResumeTiming();
    }
    state.counters["rows held"] = rowsHeld(edit);
}

// Note ons: 70 % of the rows; with a channel and a data range: a few per cent.
void BM_SelectByFilter(benchmark::State& state) {
    auto& doc = million();
    events::EventFilter filter;
    filter.kind = 1;
    if (state.range(0) != 0) {
        filter.anyChannel = false;
        filter.channel = 3;
        filter.data1Low = 40;
        filter.data1High = 60;
    }
    std::size_t flipped = 0;
    for (auto _ : state) {
        const auto rows = events::filterFlips(doc.events, filter);
        events::applyFlips(doc.events, rows);
        flipped = rows.size();
        state.PauseTiming();
        events::applyFlips(doc.events, rows);
        state.ResumeTiming();
    }
    state.counters["rows flipped"] = static_cast<double>(flipped);
}

void BM_TransposeChannel(benchmark::State& state) {
    auto& doc = million();
    document::Edit edit;
    for (auto _ : state) {
        auto transposed = events::transposeNotes(doc.events, 1, false, 1, 12);
        edit = std::move(transposed.edit);
        document::redo(doc.events, edit);
        state.PauseTiming();
        document::undo(doc.events, edit);
        state.ResumeTiming();
    }
    state.counters["rows held"] = rowsHeld(edit);
}

}  // namespace

BENCHMARK(BM_Cut100k)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_UndoCut100k)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_Paste100k)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_SelectByFilter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_TransposeChannel)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK_MAIN();
