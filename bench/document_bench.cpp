// Reading, writing and M:B:T over a generated format-0 file of 1,000,000 events.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/workspace.h"
#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"

namespace {

constexpr int kEvents = 1'000'000;

// The folder of the generated files, removed when the program ends.
struct BenchDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("ctabber-bench-" + std::to_string(::getpid()));
    BenchDir() { std::filesystem::create_directories(path); }
    ~BenchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

const std::filesystem::path& benchDir() {
    static const BenchDir dir;
    return dir.path;
}

// A mix like a real style: mostly notes, some controllers, programs and metas.
const std::filesystem::path& benchFile() {
    static const std::filesystem::path path = [] {
        document::TrackBuilder t;
        t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8});
        int made = 2;
        for (int i = 0; made < kEvents - 1; ++i) {
            const auto ch = static_cast<std::uint8_t>(i % 16);
            const auto note = static_cast<std::uint8_t>(36 + i % 48);
            switch (i % 10) {
                case 0: t.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 7, 100}); break;
                case 1: t.event(0, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(i % 128)}); break;
                case 2: t.text(0, 0x06, "Main A"); break;
                default: t.event(static_cast<std::uint32_t>(i % 3 * 60), {static_cast<std::uint8_t>(0x90 | ch), note, 100});
            }
            ++made;
        }
        t.end();
        auto file = benchDir() / "million.mid";
        app::writeFileAtomic(file, document::smfFile(0, 480, {t.bytes()}));
        return file;
    }();
    return path;
}

app::Workspace& workspace() {
    static app::Workspace ws(benchFile().parent_path() / "work");
    return ws;
}

void BM_ReadMillionEvents(benchmark::State& state) {
    for (auto _ : state) {
        document::Document doc;
        auto result = document::readFile(benchFile(), doc, workspace());
        if (result.failed || doc.events.eventCount() != kEvents) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(doc.events.rows().data());
    }
}

void BM_WriteMillionEvents(benchmark::State& state) {
    document::Document doc;
    document::readFile(benchFile(), doc, workspace());
    const auto target = benchFile().parent_path() / "out.mid";
    for (auto _ : state) {
        if (!document::saveAs(doc, target, document::FilterMid, workspace()).ok) state.SkipWithError("save failed");
    }
}

void BM_MbtMillionEvents(benchmark::State& state) {
    document::Document doc;
    document::readFile(benchFile(), doc, workspace());
    int numerator = 3;
    for (auto _ : state) {
        numerator = numerator == 3 ? 4 : 3;  // every pass rewrites every cell
        document::computeMbt(doc.events, doc.division, numerator);
    }
}

}  // namespace

BENCHMARK(BM_ReadMillionEvents)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_WriteMillionEvents)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_MbtMillionEvents)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK_MAIN();
