// A full repaint of the main window: a tree of 63 nodes, the divider and every control, from the
// invalidation through every WM_PAINT to the present.

#include <benchmark/benchmark.h>
#include <windows.h>

#include "bench/program_driver.h"
#include "model/heap_tree.h"
#include "shell/main_window.h"
#include "shell/tree_drawing.h"
#include "win32/display/headless/headless_display.h"

namespace bench {
namespace {

void BM_FullRepaint63Nodes(benchmark::State& state) {
    if (HeapTree.nodeCount != tallestDrawableTree) state.SkipWithError("the tree is not 63 nodes");
    const long pixelsBefore = w32::headless::presentStats().pixels;
    for (auto _ : state) {
        InvalidateRect(hwndMain, nullptr, TRUE);
        ServeUntilIdle();
    }
    // Shows that each repaint really presented the whole client area.
    const double perRepaint =
        static_cast<double>(w32::headless::presentStats().pixels - pixelsBefore) /
        static_cast<double>(state.iterations());
    state.counters["presented_px"] = perRepaint;
    if (perRepaint < 1214.0 * 635.0) state.SkipWithError("less than the client area was presented");
}
BENCHMARK(BM_FullRepaint63Nodes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench
