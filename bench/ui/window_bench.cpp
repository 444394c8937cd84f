// The main window on the offscreen platform: an empty window shown, and a
// generated file of 1,000,000 events opened and shown (the grid painted with
// its first rows, the marker list filled), then scrolled to the end and back.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <filesystem>
#include <memory>

#include "app/file_io.h"
#include "app/ui/user_dialogs.h"
#include "document/smf_builder.h"
#include "events/ui/tmain.h"

namespace {

constexpr int kEvents = 1'000'000;

struct BenchDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("ctabber-window-bench-" + std::to_string(::getpid()));
    BenchDir() { std::filesystem::create_directories(path); }
    ~BenchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

const BenchDir& dir() {
    static const BenchDir d;
    return d;
}

// Notes, controllers, programs and a marker in every ten events.
QString millionFile() {
    static const QString file = [] {
        document::TrackBuilder t;
        t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8});
        for (int i = 0, count = 2; count < kEvents - 1; ++i, ++count) {
            const auto ch = static_cast<std::uint8_t>(i % 16);
            switch (i % 10) {
                case 0: t.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 7, 100}); break;
                case 1: t.event(0, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(i % 128)}); break;
                case 2: t.text(0, 0x06, "Main A"); break;
                default:
                    t.event(static_cast<std::uint32_t>(i % 3 * 60),
                            {static_cast<std::uint8_t>(0x90 | ch), static_cast<std::uint8_t>(36 + i % 48), 100});
            }
        }
        t.end();
        const auto path = dir().path / "million.mid";
        app::writeFileAtomic(path, document::smfFile(0, 480, {t.bytes()}));
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

}  // namespace

BENCHMARK(BM_EmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_OpenMillionAndShow)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_JumpToEndAndBack)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
