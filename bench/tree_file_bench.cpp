// LoadTree: an ordinary tree of 99 values, and hostile files of 100 MB.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/hostile_cases.h"
#include "bench/program_driver.h"
#include "model/heap_tree.h"
#include "model/tree_file.h"

namespace bench {
namespace {

// LoadTree changes HeapTree and reads from the current folder: both are put back afterwards, as
// the program that hosts the benchmarks still needs them.
class LoadingAside {
  public:
    explicit LoadingAside(const std::string& folder) : saved_(HeapTree) {
        if (!getcwd(previous_, sizeof previous_) || chdir(folder.c_str()) != 0) {
            std::fputs("heaptree_bench: cannot enter a tree folder\n", stderr);
            std::exit(1);
        }
    }
    ~LoadingAside() {
        HeapTree = saved_;
        if (chdir(previous_) != 0) std::fputs("heaptree_bench: cannot go back\n", stderr);
    }

  private:
    HeapTreeState saved_;
    char previous_[PATH_MAX];
};

void LoadAndCheck(benchmark::State& state, int expectedNodes) {
    for (auto _ : state) {
        HeapTree = HeapTreeState{};
        LoadTree();
        benchmark::DoNotOptimize(HeapTree.nodeCount);
    }
    if (HeapTree.nodeCount != expectedNodes) state.SkipWithError("unexpected node count");
}

void BM_LoadTree99Values(benchmark::State& state) {
    const std::string folder = MakeFolder("heaptree-bench-tree");
    {
        std::ofstream out(folder + "/Pemrak.in");
        for (int i = 1; i <= 99; ++i)
            out << (i * 7919) % 100000 - 50000 << (i % 10 == 0 ? '\n' : ' ');
    }
    {
        LoadingAside aside(folder);
        LoadAndCheck(state, 99);
    }
    RemoveFolder(folder);
}
BENCHMARK(BM_LoadTree99Values);

void BM_LoadTreeHostile(benchmark::State& state, int index) {
    LoadingAside aside(HostileFolder(index));
    LoadAndCheck(state, HostileCases()[index].nodes);
}

// A benchmark for each case, named after it.
const bool registered = [] {
    for (int i = 0; i < static_cast<int>(HostileCases().size()); ++i)
        benchmark::RegisterBenchmark(
            (std::string("BM_LoadTreeHostile/") + HostileCases()[i].name).c_str(),
            BM_LoadTreeHostile, i)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
}  // namespace bench
