// heaptree_bench: the benchmarks run from inside the program, headless, once its first frame is
// out (bench/program_driver.h). Google Benchmark's own options apply, for example
// --benchmark_filter=Repaint or --benchmark_repetitions=10.
//
// heaptree_bench --start-once FOLDER starts the program in FOLDER, lets it present its first
// frame and quit: the process that the start-up benchmarks time.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench/hostile_cases.h"
#include "bench/program_driver.h"

namespace {

// The tallest tree that is drawn, with values of one and two digits.
std::string SixtyThreeNodes() {
    std::string tree;
    for (int i = 1; i <= 63; ++i)
        tree += std::to_string((i * 37) % 100) + (i % 8 == 0 ? "\n" : " ");
    return tree;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--start-once") == 0)
        return bench::RunProgramIn(argv[2], [] {});

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const int exitCode =
        bench::RunProgram(SixtyThreeNodes(), [] { benchmark::RunSpecifiedBenchmarks(); });
    bench::RemoveHostileFolder();
    benchmark::Shutdown();
    if (exitCode != 0)
        std::fprintf(stderr, "heaptree_bench: the program ended with %d\n", exitCode);
    return exitCode;
}
