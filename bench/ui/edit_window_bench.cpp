// Delete of 100,000 selected rows of a 1,000,000-event file in the main
// window and its undo, and cut and paste of those rows, on the offscreen
// platform: the whole commands, from the menu item to the repainted grid,
// wait window, clipboard file, marker list and status bar included.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QUndoStack>
#include <fstream>

#include "app/ui/main_window.h"
#include "app/ui/open_document.h"
#include "base/ui/user_dialogs.h"
#include "support/bench_files.h"
#include "support/qt_bench_main.h"

namespace {

constexpr int kSelected = 100'000;

app::ui::MainWindow& window() {
    static base::ui::QtUserDialogs dialogs;
    static app::ui::MainWindow* w = [] {
        const auto home = bench::benchDir() / "window";
        std::filesystem::create_directories(home);
        // No confirmation, and notes may go.
        std::ofstream(home / "Ctabber.INI") << "[Main]\nDelConfirm=0\nDelNote=1\n";
        auto* made = new app::ui::MainWindow(base::Workspace(home), dialogs);
        made->show();
        made->openFile(QString::fromStdString(bench::styleLikeFile(bench::kMillion).string()));
        QCoreApplication::processEvents();
        return made;
    }();
    return *w;
}

void selectEveryTenth(app::ui::MainWindow& w, bool on) {
    auto& list = w.openDocument().document().events;
    for (int r = 5; r <= list.eventCount() && r / 10 < kSelected; r += 10) list.setSelected(r, on);
}

void repaint(app::ui::MainWindow& w) {
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(w.grab());
}

void BM_WindowDeleteSelected(benchmark::State& state) {
    auto& w = window();
    auto* remove = w.findChild<QAction*>("mDelete");
    for (auto _ : state) {
        state.PauseTiming();
        selectEveryTenth(w, true);
        state.ResumeTiming();
        remove->trigger();
        repaint(w);
        state.PauseTiming();
        w.openDocument().undoStack().undo();
        selectEveryTenth(w, false);
        repaint(w);
        state.ResumeTiming();
    }
}

void BM_WindowUndoDelete(benchmark::State& state) {
    auto& w = window();
    auto* remove = w.findChild<QAction*>("mDelete");
    auto* undo = w.findChild<QAction*>("mUndo");
    for (auto _ : state) {
        state.PauseTiming();
        selectEveryTenth(w, true);
        remove->trigger();
        repaint(w);
        state.ResumeTiming();
        undo->trigger();
        repaint(w);
        state.PauseTiming();
        selectEveryTenth(w, false);
        state.ResumeTiming();
    }
}

// Cut of the same rows to the clipboard file, and their paste back in the
// middle of the list, undone outside the timing.
void BM_WindowCutSelected(benchmark::State& state) {
    auto& w = window();
    auto* cut = w.findChild<QAction*>("mCut");
    for (auto _ : state) {
        state.PauseTiming();
        selectEveryTenth(w, true);
        state.ResumeTiming();
        cut->trigger();
        repaint(w);
        state.PauseTiming();
        if (w.document().events.eventCount() != bench::kMillion - kSelected) state.SkipWithError("rows not cut");
        w.openDocument().undoStack().undo();
        selectEveryTenth(w, false);
        repaint(w);
        state.ResumeTiming();
    }
}

void BM_WindowPaste(benchmark::State& state) {
    auto& w = window();
    selectEveryTenth(w, true);
    w.findChild<QAction*>("mCopy")->trigger();
    selectEveryTenth(w, false);
    auto* paste = w.findChild<QAction*>("mPaste");
    for (auto _ : state) {
        state.PauseTiming();
        w.setCurrentRow(bench::kMillion / 2);
        state.ResumeTiming();
        paste->trigger();
        repaint(w);
        state.PauseTiming();
        if (w.document().events.eventCount() != bench::kMillion + kSelected) state.SkipWithError("rows not pasted");
        w.openDocument().undoStack().undo();
        repaint(w);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_WindowDeleteSelected)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_WindowUndoDelete)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_WindowCutSelected)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_WindowPaste)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly();

int main(int argc, char** argv) { return bench::runWindowBenchmarks(argc, argv, [] { delete &window(); }); }
