// A click on a node with the swap tool: the press and release routed by our window manager, the
// edit (a first pick, then the swap of the node with itself, in turn), the prompt, the repaint of
// the tree area and the status bar, and the present.

#include <benchmark/benchmark.h>
#include <windows.h>

#include "bench/program_driver.h"
#include "model/edits.h"
#include "model/heap_tree.h"
#include "shell/main_window.h"

namespace bench {
namespace {

constexpr POINT swapRadioButton = {1100, 85};
constexpr POINT rootNode = {500, 50};

void BM_ClickOnANodeWithTheSwapTool(benchmark::State& state) {
    Click(swapRadioButton.x, swapRadioButton.y);
    if (CurrentTool(hwndActions) != TOOL_SWAP) state.SkipWithError("the swap tool is not checked");
    long picks = 0;
    for (auto _ : state) {
        Click(rootNode.x, rootNode.y);
        picks += HeapTree.firstPick == 1;
    }
    // Every other click picks the root, every other one completes the swap.
    state.counters["first_picks"] = static_cast<double>(picks) / state.iterations();
    if (state.iterations() > 1 && picks == 0) state.SkipWithError("the clicks picked nothing");
}
BENCHMARK(BM_ClickOnANodeWithTheSwapTool)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench
