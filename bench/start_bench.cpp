// The program's whole start with a hostile tree file: a fresh process that starts our Win32 on
// the headless display, loads the tree, presents its first frame and quits. This very executable
// serves as that process (see StartOnce in main.cpp).

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>

#include "bench/hostile_cases.h"

extern char** environ;

namespace bench {
namespace {

// 0 when the process ran to its normal end.
int StartProgramIn(const std::string& folder) {
    char self[] = "/proc/self/exe";
    char option[] = "--start-once";
    std::string where = folder;
    char* argv[] = {self, option, where.data(), nullptr};
    pid_t child;
    if (posix_spawn(&child, self, nullptr, nullptr, argv, environ) != 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_StartWithHostileFile(benchmark::State& state, int index) {
    const std::string& folder = HostileFolder(index);
    for (auto _ : state) {
        if (StartProgramIn(folder) != 0) {
            state.SkipWithError("the program did not end normally");
            break;
        }
    }
}

const bool registered = [] {
    for (int i = 0; i < static_cast<int>(HostileCases().size()); ++i)
        benchmark::RegisterBenchmark(
            (std::string("BM_StartWithHostileFile/") + HostileCases()[i].name).c_str(),
            BM_StartWithHostileFile, i)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    return true;
}();

}  // namespace
}  // namespace bench
