// Loading a language file and "XGSystem.ini" of growing size. Each section
// is indexed once, so the time per key stays the same from ten thousand to a
// million keys; a lookup that scanned the file per key would grow with it.
#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <string>

#include "base/language.h"
#include "names/sysex_descriptions.h"
#include "support/bench_files.h"

namespace {

// "[TB]" with `keys` numbered texts. Made once per size.
const std::filesystem::path& languageFile(int keys) {
    static std::map<int, std::filesystem::path> made;
    if (auto it = made.find(keys); it != made.end()) return it->second;
    const auto path = bench::benchDir() / ("texts-" + std::to_string(keys) + ".lng");
    std::ofstream out(path, std::ios::binary);
    out << "[TB]\r\n";
    for (int k = 0; k < keys; ++k) out << k << "=Text number " << k << "\r\n";
    return made[keys] = path;
}

// "[SYSTEM]" and "[XGMEMORY]" with their numbered entries first, then
// `lines` lines of other keys, as a large hand-kept file would have them.
const std::filesystem::path& xgSystemFile(int lines) {
    static std::map<int, std::filesystem::path> made;
    if (auto it = made.find(lines); it != made.end()) return it->second;
    const auto path = bench::benchDir() / ("xg-" + std::to_string(lines) + ".ini");
    std::ofstream out(path, std::ios::binary);
    out << "[SYSTEM]\r\n";
    for (int n = 0; n < 1024; ++n) out << names::twoDigitKey(n) << "=04 43 10 4C XX System entry " << n << "\r\n";
    for (int n = 0; n < lines / 2; ++n) out << "note" << n << "=kept by hand\r\n";
    out << "[XGMEMORY]\r\n";
    for (int n = 0; n < lines / 2; ++n) out << "note" << n << "=kept by hand\r\n";
    for (int n = 0; n <= 255; ++n) out << names::twoDigitKey(n) << "=02 01 XX Memory entry " << n << "\r\n";
    return made[lines] = path;
}

void BM_LanguageLoad(benchmark::State& state) {
    const int keys = static_cast<int>(state.range(0));
    const auto& path = languageFile(keys);
    for (auto _ : state) {
        base::Language language;
        benchmark::DoNotOptimize(language.load(path).ok);
    }
    state.SetComplexityN(keys);
    state.SetItemsProcessed(state.iterations() * keys);
}
BENCHMARK(BM_LanguageLoad)->RangeMultiplier(4)->Range(10'000, 640'000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_XgSystemLoad(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const auto& path = xgSystemFile(lines);
    for (auto _ : state) {
        const auto descriptions = names::SysexDescriptions::fromFile(path);
        benchmark::DoNotOptimize(descriptions.memoryEntries().size());
    }
    state.SetComplexityN(lines);
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_XgSystemLoad)->RangeMultiplier(4)->Range(15'625, 1'000'000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
