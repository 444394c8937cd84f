// The main window on the offscreen platform: an empty window shown, and a
// generated file of 1,000,000 events opened and shown (the grid painted with
// its first rows, the marker list filled), then scrolled to the end and back.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <filesystem>
#include <memory>

#include "app/ui/main_window.h"
#include "base/ui/user_dialogs.h"
#include "support/bench_files.h"
#include "support/qt_bench_main.h"

namespace {

constexpr int kEvents = 1'000'000;

QString millionFile() { return QString::fromStdString(bench::styleLikeFile(kEvents).string()); }

std::filesystem::path workFolder() { return bench::benchDir() / "work"; }

base::ui::QtUserDialogs& dialogs() {
    static base::ui::QtUserDialogs d;
    return d;
}

void showWindow(app::ui::MainWindow& w) {
    w.show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(w.grab());
}

void BM_EmptyWindow(benchmark::State& state) {
    for (auto _ : state) {
        app::ui::MainWindow w(base::Workspace(workFolder()), dialogs());
        showWindow(w);
    }
}

void BM_OpenMillionAndShow(benchmark::State& state) {
    const QString file = millionFile();
    std::unique_ptr<app::ui::MainWindow> w;
    for (auto _ : state) {
        state.PauseTiming();  // closing the last window is not part of opening
        w.reset();
        state.ResumeTiming();
        w = std::make_unique<app::ui::MainWindow>(base::Workspace(workFolder()), dialogs());
        showWindow(*w);
        w->openFile(file);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->grab());
    }
}

// Jumps to the last row and back to the first, painting each time.
void BM_JumpToEndAndBack(benchmark::State& state) {
    app::ui::MainWindow w(base::Workspace(workFolder()), dialogs());
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

}  // namespace

BENCHMARK(BM_EmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_OpenMillionAndShow)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_JumpToEndAndBack)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

int main(int argc, char** argv) { return bench::runWindowBenchmarks(argc, argv); }
