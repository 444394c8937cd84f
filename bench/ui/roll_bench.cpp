// The piano roll over a generated file of about 1,000,000 events in paired
// notes, beside the event grid's own opening of the same file in the same
// run: the roll window opened (notes paired, index made, painted), a full
// picture painted at several zooms, and a move of 10,000 selected notes
// through the document's undo stack (the edit, the roll made again and
// painted) and its undo.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QUndoStack>
#include <filesystem>
#include <memory>

#include "app/ui/main_window.h"
#include "app/ui/open_document.h"
#include "base/ui/user_dialogs.h"
#include "roll/note_edits.h"
#include "roll/ui/piano_roll_window.h"
#include "roll/ui/roll_canvas.h"
#include "support/bench_files.h"
#include "support/qt_bench_main.h"

namespace {

constexpr int kEvents = 1'000'000;

QString notesFile() { return QString::fromStdString(bench::pairedNotesFile(kEvents).string()); }
std::filesystem::path workFolder() { return bench::benchDir() / "work"; }

base::ui::QtUserDialogs& dialogs() {
    static base::ui::QtUserDialogs d;
    return d;
}

// One main window with the file read, kept for the whole run and freed
// before the application ends.
std::unique_ptr<app::ui::MainWindow> kept;

app::ui::MainWindow& loaded() {
    if (!kept) {
        kept = std::make_unique<app::ui::MainWindow>(base::Workspace(workFolder()), dialogs());
        kept->show();
        kept->openFile(notesFile());
        QCoreApplication::processEvents();
    }
    return *kept;
}

roll::ui::PianoRollWindow& openRoll(app::ui::MainWindow& w) {
    w.findChild<QAction*>("mPianoRoll")->trigger();
    QCoreApplication::processEvents();
    return *w.pianoRoll();
}

void closeRoll(roll::ui::PianoRollWindow& roll) {
    roll.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The grid's side: a new main window opens the file and shows it.
void BM_GridOpensFile(benchmark::State& state) {
    std::unique_ptr<app::ui::MainWindow> w;
    for (auto _ : state) {
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
        w = std::make_unique<app::ui::MainWindow>(base::Workspace(workFolder()), dialogs());
        w->show();
        w->openFile(notesFile());
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->grab());
    }
}

// The roll's side: the file is read; the roll window opens over it and shows.
void BM_RollOpens(benchmark::State& state) {
    auto& w = loaded();
    for (auto _ : state) {
        auto& roll = openRoll(w);
        benchmark::DoNotOptimize(roll.grab());
        state.PauseTiming();
        closeRoll(roll);
        state.ResumeTiming();
    }
}

// A full picture of the note area at a zoom: 0 fits one section, 1 a bar,
// 2 the whole file, 3 200 ticks a pixel (just too close for the overview),
// 4 16 ticks a pixel (nearly the most notes drawn one by one as shapes).
void BM_RollPaints(benchmark::State& state) {
    auto& w = loaded();
    auto& roll = openRoll(w);
    roll.showSection("Main B");
    auto& canvas = roll.canvas();
    roll::Geometry g = canvas.geometry();
    if (state.range(0) == 1) g.pixelsPerTick = canvas.scene().layout.notes().width() / 1920.0;
    if (state.range(0) == 2) g.pixelsPerTick = roll::Geometry::kMinPixelsPerTick, g.firstTick = 0;
    if (state.range(0) == 3) g.pixelsPerTick = 1.0 / 200;
    if (state.range(0) == 4) g.pixelsPerTick = 1.0 / 16;
    canvas.setGeometry(g);
    std::size_t visible = 0;
    roll.score()->index.forEachIn(canvas.geometry().tick(0), canvas.geometry().tick(canvas.width()), [&](std::size_t) { ++visible; });
    QPixmap target(canvas.size());
    for (auto _ : state) {
        canvas.render(&target);
        benchmark::DoNotOptimize(target);
    }
    state.counters["notes_in_view"] = static_cast<double>(visible);
    closeRoll(roll);
}

// Moving 10,000 selected notes a sixteenth later (arg 0), and the undo of it (arg 1).
void BM_RollMovesTenThousand(benchmark::State& state) {
    auto& w = loaded();
    auto& roll = openRoll(w);
    auto& open = w.openDocument();
    const auto& notes = roll.score()->notes;
    std::vector<roll::Note> chosen;
    for (std::size_t i = 0; i < notes.size() && chosen.size() < 10'000; i += notes.size() / 10'000) chosen.push_back(notes[i]);
    for (auto _ : state) {
        state.PauseTiming();
        if (state.range(0) == 1) {
            open.apply(roll::moveNotes(w.document().events, chosen, {120, 0}));
            QCoreApplication::processEvents();
        }
        state.ResumeTiming();
        if (state.range(0) == 0) {
            open.apply(roll::moveNotes(w.document().events, chosen, {120, 0}));
        } else {
            open.undoStack().undo();
        }
        benchmark::DoNotOptimize(roll.canvas().grab());
        state.PauseTiming();
        if (state.range(0) == 0) open.undoStack().undo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    closeRoll(roll);
}

}  // namespace

BENCHMARK(BM_GridOpensFile)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_RollOpens)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_RollPaints)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_RollMovesTenThousand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    return bench::runWindowBenchmarks(argc, argv, [] { kept.reset(); });
}
