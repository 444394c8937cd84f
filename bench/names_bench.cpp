// Name lookups in a generated instrument definition file of about 1 MB:
// each lookup must be answered from the index, not by reading the file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "names/instrument_definitions.h"
#include "names/sysex_descriptions.h"

namespace {

constexpr int kSets = 330;

// kSets banks, each with its own set of 128 named programs, then a default.
std::filesystem::path makeDefinitionFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ctabber-bench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return {};
    const std::filesystem::path file = std::filesystem::path(pattern) / "big.ins";
    std::ofstream out(file, std::ios::binary);
    out << ".Patch Names\r\n";
    for (int s = 0; s < kSets; ++s) {
        out << "[Set " << s << "]\r\n";
        for (int p = 0; p < 128; ++p) out << p << "=Instrument " << s << " / " << p << "\r\n";
    }
    out << ".Instrument Definitions\r\n[Big Keyboard]\r\n";
    for (int s = 0; s < kSets; ++s) out << "Patch[" << s * 3 << "]=Set " << s << "\r\n";
    out << "Patch[*]=Set 0\r\n";
    return file;
}

struct DefinitionFile {
    std::filesystem::path path = makeDefinitionFile();
    ~DefinitionFile() {
        std::error_code ec;
        std::filesystem::remove_all(path.parent_path(), ec);
    }
};

const DefinitionFile& definitionFile() {
    static const DefinitionFile file;
    return file;
}

void BM_PatchNameInLargeFile(benchmark::State& state) {
    names::InstrumentDefinitions defs(definitionFile().path);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(definitionFile().path));
    defs.patchName(0, 0);  // the first call reads the file
    int i = 0;
    for (auto _ : state) {
        // The last bank listed, an unlisted bank (default set) and a listed one.
        benchmark::DoNotOptimize(defs.patchName((kSets - 1) * 3, i & 127));
        benchmark::DoNotOptimize(defs.patchName(1, i & 127));
        benchmark::DoNotOptimize(defs.patchName((i % kSets) * 3, 64));
        ++i;
    }
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_PatchNameInLargeFile);

void BM_ReadLargeDefinitionFile(benchmark::State& state) {
    for (auto _ : state) {
        names::InstrumentDefinitions defs(definitionFile().path);
        benchmark::DoNotOptimize(defs.patchName(3, 5));
    }
}
BENCHMARK(BM_ReadLargeDefinitionFile)->Unit(benchmark::kMillisecond);

void BM_SetAndPatchLists(benchmark::State& state) {
    names::InstrumentDefinitions defs(definitionFile().path);
    for (auto _ : state) {
        defs.findBank((kSets - 1) * 3);
        benchmark::DoNotOptimize(defs.setNames());
        benchmark::DoNotOptimize(defs.patchNames());
        benchmark::DoNotOptimize(defs.bankOfSetName("Set 329"));
        benchmark::DoNotOptimize(defs.programOfPatchName("Instrument 329 / 127"));
    }
}
BENCHMARK(BM_SetAndPatchLists)->Unit(benchmark::kMicrosecond);

// "XGSystem.ini" with one line of 20 MB between its entries: every lookup
// of its 1,280 keys must not walk that line again.
void BM_SysexDescriptionsBesideAHugeLine(benchmark::State& state) {
    const auto folder = definitionFile().path.parent_path();
    const auto file = folder / "XGSystem.ini";
    {
        std::ofstream out(file, std::ios::binary);
        out << "[SYSTEM]\n00=05 7E 7F 09 01 F7 GM On\n" << std::string(20'000'000, 'x') << "\n[XGMEMORY]\n"
            << "00=00 00 7E 00 XG System On\n";
    }
    for (auto _ : state) benchmark::DoNotOptimize(names::SysexDescriptions::fromFile(file));
}
BENCHMARK(BM_SysexDescriptionsBesideAHugeLine)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
