#pragma once
// The common start of every benchmark program: Google Benchmark's own arguments taken,
// every benchmark run. False when an argument was not understood.

#include <benchmark/benchmark.h>

namespace bench {

inline bool runBenchmarks(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return true;
}

}  // namespace bench
