// Fuzz target: LoadTree over arbitrary bytes as Pemrak.in. What it loads must be what the reading
// rules give for those bytes (the standard stream's formatted extraction, applied to the same
// bytes, is the reference), at the positions of the halving layout, with the rest of HeapTree as
// the program starts it.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/heap_tree.h"
#include "model/tree_file.h"
#include "tests/shell/hostile_files.h"

namespace {

std::string folder;
std::string treeFile;

// LoadTree reads from the current folder, while libFuzzer's paths are relative to the first.
void LoadTreeInFolder() {
    const int back = open(".", O_RDONLY | O_DIRECTORY);
    if (back < 0 || chdir(folder.c_str()) != 0) {
        std::perror("fuzz_tree_file: folders");
        std::abort();
    }
    LoadTree();
    if (fchdir(back) != 0) std::abort();
    close(back);
}

[[noreturn]] void Fail(const char* what, int slot, long got, long expected) {
    std::fprintf(stderr, "fuzz_tree_file: %s at slot %d: %ld, expected %ld\n", what, slot, got,
                 expected);
    std::abort();
}

void Expect(const char* what, int slot, long got, long expected) {
    if (got != expected) Fail(what, slot, got, expected);
}

// The layout in closed form: depth d lies at y 50 + 100 d, and a node sits the step of its depth
// (480 halved d times) left or right of its parent.
int ExpectedY(int node) {
    int depth = 0;
    for (int i = node; i > 1; i /= 2)
        ++depth;
    return 50 + 100 * depth;
}

int ExpectedX(int node) {
    if (node == 1) return 500;
    int step = 480;
    for (int i = node; i > 1; i /= 2)
        step /= 2;
    return ExpectedX(node / 2) + (node % 2 == 1 ? step : -step);
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "heaptree-fuzz.XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("fuzz_tree_file: temporary folder");
        std::abort();
    }
    folder = pattern;
    treeFile = folder + "/" + treeFileName;
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(treeFile.c_str(), "wb");
    if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::perror("fuzz_tree_file: Pemrak.in");
        std::abort();
    }

    HeapTree = HeapTreeState{};
    HeapTree.firstPick = 7;  // LoadTree ends any pending swap
    LoadTreeInFolder();

    const std::vector<int> expected =
        test::ReadByTheRules(std::string(reinterpret_cast<const char*>(data), size));
    Expect("node count", 0, HeapTree.nodeCount, static_cast<long>(expected.size()));
    if (HeapTree.nodeCount < 1 || HeapTree.nodeCount > maxNodeCount)
        Fail("node count out of range", 0, HeapTree.nodeCount, maxNodeCount);
    for (int i = 0; i < nodeSlotCount; ++i) {
        const bool node = i >= 1 && i <= HeapTree.nodeCount;
        Expect("value", i, HeapTree.value[i], node ? expected[i - 1] : 0);
        Expect("x", i, HeapTree.x[i], node ? ExpectedX(i) : 0);
        Expect("y", i, HeapTree.y[i], node ? ExpectedY(i) : 0);
        Expect("highlight", i, HeapTree.highlight[i], 0);
        Expect("root record", i, HeapTree.rootRecorded[i], 0);
    }
    Expect("first pick", 0, HeapTree.firstPick, 0);
    Expect("result text", 0, HeapTree.resultText[0], 0);
    return 0;
}
