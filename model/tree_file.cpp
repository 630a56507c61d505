#include "model/tree_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "model/heap_tree.h"

namespace {

constexpr int rootX = 500;
constexpr int rootY = 50;
constexpr int levelHeight = 100;
constexpr int firstLevelStep = 480;

// Opening a FIFO would wait for a writer, and a directory or a device is no tree either: anything
// but a regular file (symbolic links followed) is treated like a missing file.
bool IsRegularFile(const char* name) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::status(name, error));
}

}  // namespace

void LoadTree() {
    std::ifstream file;
    if (IsRegularFile(treeFileName)) file.open(treeFileName);

    // A file without a single integer still gives a tree of one node, of value 0. A stream that
    // fails before it converts anything (no file, only white space) stores nothing, hence the 0.
    int number = 0;
    file >> number;
    HeapTree.value[1] = number;
    HeapTree.x[1] = rootX;
    HeapTree.y[1] = rootY;
    HeapTree.nodeCount = 1;

    int levelY = rootY;
    int nextLevelStart = 2;
    int step = firstLevelStep;
    // The count is tested first, so that nothing is read beyond the last slot.
    while (HeapTree.nodeCount < maxNodeCount && file >> number) {
        const int n = ++HeapTree.nodeCount;
        if (n == nextLevelStart) {
            levelY += levelHeight;
            nextLevelStart *= 2;
            step /= 2;
        }
        const int parentX = HeapTree.x[n / 2];
        HeapTree.x[n] = n % 2 == 1 ? parentX + step : parentX - step;
        HeapTree.y[n] = levelY;
        HeapTree.value[n] = number;
    }

    HeapTree.firstPick = 0;
}
