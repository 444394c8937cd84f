#pragma once
// The main() of the window benchmarks: Google Benchmark inside a
// QApplication on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>

namespace bench {

// `beforeQuit` frees what the benchmarks kept while the application still runs.
inline int runWindowBenchmarks(int argc, char** argv, const std::function<void()>& beforeQuit = {}) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit) beforeQuit();
    return 0;
}

}  // namespace bench
