// The one main() of the benchmark executable; every other file in bench/ only
// registers benchmarks.

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // The window benchmarks create a QApplication; without a display they need
    // the offscreen platform. A value the caller set is kept.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
