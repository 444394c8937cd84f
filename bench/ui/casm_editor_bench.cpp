// The CASM editor on the offscreen platform, on a style with 16 sections of
// 8 entries: the grid model filled from a new list (every cell's text and
// colours formatted once, as a first paint of all rows would), and the whole
// window opened (the working file read, the grid filled and painted).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>

#include "base/file_io.h"
#include "base/ui/user_dialogs.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/casm_table_model.h"
#include "casm/ui/open_casm.h"
#include "casm/writer.h"
#include "support/qt_bench_main.h"

namespace {

struct BenchDir {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("ctabber-casm-bench-" + std::to_string(::getpid()));
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

// 16 sections of 8 entries, each section's entries its own, so that no two share a segment.
casm::CasmList sixteenSections() {
    casm::CasmList list;
    const char* names[] = {"Main A",   "Main B",   "Main C",   "Main D",     "Fill In AA", "Fill In BB",
                           "Fill In CC", "Fill In DD", "Intro A",  "Intro B",    "Intro C",    "Ending A",
                           "Ending B", "Ending C", "Fill In BA", "Fill In AB"};
    for (int s = 0; s < 16; ++s)
        for (int t = 0; t < 8; ++t) {
            casm::Entry e = casm::newEntry();
            e[casm::Track] = static_cast<std::uint8_t>(8 + t);
            e[casm::MidiChan] = static_cast<std::uint8_t>(8 + t);
            e[casm::HighestKey] = static_cast<std::uint8_t>(s % 12);
            e.setName("Part" + std::to_string(t));
            e.section = names[s];
            e.hasCntt = t == 3;
            list.entries.push_back(std::move(e));
        }
    return list;
}

void BM_ModelFill(benchmark::State& state) {
    const casm::CasmList list = sixteenSections();
    casm::ui::OpenCasm casm;
    casm::ui::CasmTableModel model(casm, base::builtinLanguage());
    QObject::connect(&casm, &casm::ui::OpenCasm::edited, &model, &casm::ui::CasmTableModel::listEdited);
    for (auto _ : state) {
        casm.replaced(list);
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c) {
                const auto index = model.index(r, c);
                benchmark::DoNotOptimize(model.data(index, Qt::DisplayRole));
                benchmark::DoNotOptimize(model.data(index, Qt::BackgroundRole));
                benchmark::DoNotOptimize(model.data(index, Qt::ForegroundRole));
            }
    }
    state.counters["rows"] = model.rowCount();
}

void BM_OpenEditorAndShow(benchmark::State& state) {
    const auto home = dir().path;
    base::writeFileAtomic(home / "#casm.csm", casm::writeCasm(sixteenSections().entries).bytes);
    base::ui::QtUserDialogs dialogs;
    base::Language language;
    for (auto _ : state) {
        casm::ui::CasmEditorWindow editor(nullptr, {dialogs, language, base::Workspace(home), "bench.sty", true});
        editor.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(editor.grab());
        state.PauseTiming();  // closing is not part of opening
        editor.hide();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_ModelFill)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_OpenEditorAndShow)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) { return bench::runWindowBenchmarks(argc, argv); }
