// The main window on the offscreen platform: an empty window shown, and a
// generated file of 1,000,000 events opened and shown (the grid painted with
// its first rows, the marker list filled), then scrolled to the end and back.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <filesystem>
#include <memory>

#include "app/file_io.h"
#include "app/profile.h"
#include "app/ui/open_document.h"
#include "app/ui/user_dialogs.h"
#include "../bench_support.h"
#include "events/ui/tmain.h"

namespace {

constexpr int kEvents = 1'000'000;


const bench::TempFolder& dir() {
    static const bench::TempFolder d("ctabber-window-bench");
    return d;
}

QString millionFile() {
    static const QString file = [] {
        const auto path = dir().path / "million.mid";
        app::writeFileAtomic(path, bench::styleMix(kEvents));
        return QString::fromStdString(path.string());
    }();
    return file;
}

app::ui::QtUserDialogs& dialogs() {
    static app::ui::QtUserDialogs d;
    return d;
}

void showWindow(events::ui::TMain& w) {
    w.show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(w.grab());
}

void BM_EmptyWindow(benchmark::State& state) {
    for (auto _ : state) {
        events::ui::TMain w(app::Workspace(dir().path / "work"), dialogs());
        showWindow(w);
    }
}

void BM_OpenMillionAndShow(benchmark::State& state) {
    const QString file = millionFile();
    std::unique_ptr<events::ui::TMain> w;
    for (auto _ : state) {
        state.PauseTiming();  // closing the last window is not part of opening
        w.reset();
        state.ResumeTiming();
        w = std::make_unique<events::ui::TMain>(app::Workspace(dir().path / "work"), dialogs());
        showWindow(*w);
        w->openFile(file);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->grab());
    }
}

// Jumps to the last row and back to the first, painting each time.
void BM_JumpToEndAndBack(benchmark::State& state) {
    events::ui::TMain w(app::Workspace(dir().path / "work"), dialogs());
    showWindow(w);
    w.openFile(millionFile());
    auto* grid = w.findChild<QTableView*>("StringGrid1");
    for (auto _ : state) {
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        benchmark::DoNotOptimize(w.grab());
        grid->verticalScrollBar()->setValue(0);
        benchmark::DoNotOptimize(w.grab());
    }
}

// Cut of every tenth row (100,000) through the Edit menu, and paste of them
// back, as the user runs them: clipboard file, edit, undo step and grid
// update included. The list is put back by Undo outside the timing.
void windowClipboard(benchmark::State& state, bool paste) {
    const app::Workspace ws(dir().path / "clipboard");
    app::writeProfileString(ws.settings(), "Main", "DelNote", "1");  // the notes are cut too
    events::ui::TMain w(ws, dialogs());
    showWindow(w);
    w.openFile(millionFile());
    auto& list = w.openDocument().document().events;
    auto trigger = [&w](const char* name) { w.findChild<QAction*>(name)->trigger(); };
    auto selectEveryTenth = [&list] {
        for (int r = 7; r <= list.eventCount(); r += 10) list.setSelected(r, true);
    };
    selectEveryTenth();
    if (paste) {
        trigger("mCut");
        trigger("mUndo");
        trigger("mUnselectAll");
    }
    for (auto _ : state) {
        state.PauseTiming();
        w.setCurrentRow(kEvents / 2);
        if (!paste) selectEveryTenth();
        state.ResumeTiming();
        const int before = list.eventCount();
        trigger(paste ? "mPaste" : "mCut");
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (std::abs(list.eventCount() - before) != kEvents / 10) state.SkipWithError("rows not cut or pasted");
        trigger("mUndo");
        state.ResumeTiming();
    }
}

void BM_WindowCut100k(benchmark::State& state) { windowClipboard(state, false); }
void BM_WindowPaste100k(benchmark::State& state) { windowClipboard(state, true); }

}  // namespace

BENCHMARK(BM_EmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_OpenMillionAndShow)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_JumpToEndAndBack)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_WindowCut100k)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_WindowPaste100k)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
