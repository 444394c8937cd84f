// The piano roll's core over a generated file of about 1,000,000 events in
// paired notes: the score made (notes paired, the tick index, bars and
// sections), a full viewport's notes looked up, and the move of 10,000 notes
// planned, applied and taken back, as the roll's drag does before the
// window paints (bench/ui/roll_bench.cpp times the whole gesture).
#include <benchmark/benchmark.h>

#include "base/workspace.h"
#include "document/smf_reader.h"
#include "roll/note_edits.h"
#include "roll/score.h"
#include "support/bench_files.h"

namespace {

document::Document& notesDocument() {
    static document::Document doc = [] {
        document::Document d;
        document::readFile(bench::pairedNotesFile(bench::kMillion), d, base::Workspace(bench::benchDir() / "work"));
        return d;
    }();
    return doc;
}

std::vector<roll::Note> tenThousand(const roll::Score& score) {
    std::vector<roll::Note> chosen;
    const std::size_t step = score.notes.size() / 10'000;
    for (std::size_t i = 0; i < score.notes.size() && chosen.size() < 10'000; i += step) chosen.push_back(score.notes[i]);
    return chosen;
}

void BM_ScoreOf(benchmark::State& state) {
    auto& doc = notesDocument();
    for (auto _ : state) benchmark::DoNotOptimize(roll::scoreOf(doc));
}

void BM_PairNotes(benchmark::State& state) {
    auto& doc = notesDocument();
    for (auto _ : state) benchmark::DoNotOptimize(roll::pairNotes(doc.events));
}

// The notes of one section's span, as a viewport fitted to it asks.
void BM_ViewportLookup(benchmark::State& state) {
    auto score = roll::scoreOf(notesDocument());
    const auto& band = score->bands.at(2);
    for (auto _ : state) {
        std::size_t n = 0;
        score->index.forEachIn(band.start, band.end, [&](std::size_t) { ++n; });
        benchmark::DoNotOptimize(n);
    }
}

void BM_PlanMove(benchmark::State& state) {
    auto& doc = notesDocument();
    auto score = roll::scoreOf(doc);
    const auto chosen = tenThousand(*score);
    for (auto _ : state) benchmark::DoNotOptimize(roll::moveNotes(doc.events, chosen, {120, 1}));
}

void BM_ApplyAndUndoMove(benchmark::State& state) {
    auto& doc = notesDocument();
    auto score = roll::scoreOf(doc);
    auto edit = roll::moveNotes(doc.events, tenThousand(*score), {120, 1});
    for (auto _ : state) {
        document::redo(doc.events, edit);
        document::undo(doc.events, edit);
    }
}

}  // namespace

BENCHMARK(BM_ScoreOf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_PairNotes)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ViewportLookup)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_PlanMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ApplyAndUndoMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

BENCHMARK_MAIN();
