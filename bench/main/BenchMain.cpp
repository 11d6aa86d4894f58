// The main of every benchmark program: the program's font configuration first, so
// that text is measured and drawn with the faces the program uses, then Google
// Benchmark with its own command line.
#include <benchmark/benchmark.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    sk::test::prepareEnvironment();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
