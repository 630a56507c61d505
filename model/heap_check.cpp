#include "model/heap_check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/heap_tree.h"
#include "shell/presentation.h"

bool IsHeap() {
    const int* value = HeapTree.value;
    for (int i = 2; i <= HeapTree.nodeCount; i += 2) {
        const int parent = i / 2;
        if (value[parent] < value[i]) return false;
        if (i < HeapTree.nodeCount && value[i + 1] > value[parent]) return false;
    }
    return true;
}

void RecordRoot() {
    // "%d" writes what _itoa(value, text, 10) writes, minus sign and INT_MIN included.
    const int length = std::snprintf(HeapTree.scratchText, scratchTextSize, "%d, %s",
                                     HeapTree.value[1], HeapTree.resultText);
    // Each count is recorded once, so 99 records at most: the buffers are sized for them.
    if (length < 0 || length >= resultTextSize) {
        std::fputs("heaptree: a root record overflows the result text\n", stderr);
        std::abort();
    }
    std::memcpy(HeapTree.resultText, HeapTree.scratchText, length + 1);
    HeapTree.rootRecorded[HeapTree.nodeCount] = true;
}

namespace {

void HandleRecordRoot() {
    const char* caption = "Memorare informatie";
    if (!IsHeap()) {
        ShowVerdict(caption, "Nu ati transformat arborele in ansamblu");
    } else if (HeapTree.nodeCount == 0) {
        // An empty tree has no root: recording the 0 left in slot 1 would only mislead.
        ShowVerdict(caption, "Arborele nu mai are noduri");
    } else if (HeapTree.rootRecorded[HeapTree.nodeCount]) {
        std::snprintf(HeapTree.scratchText, scratchTextSize,
                      "Pentru arborele cu %d noduri, s-a memorat informatia radacinii",
                      HeapTree.nodeCount);
        ShowVerdict(caption, HeapTree.scratchText);
    } else {
        RecordRoot();
        ShowVerdict(caption, "S-a memorat informatia radacinii");
    }
}

}  // namespace

void HandleCommand(unsigned id) {
    switch (id) {
        case IDC_VERIFY_HEAP:
            ShowVerdict("Verificare proprietate", IsHeap() ? "Arborele este ansamblu (heap)"
                                                           : "Arborele nu este ansamblu (heap)");
            break;
        case IDC_RECORD_ROOT:
            HandleRecordRoot();
            break;
        case IDC_SHOW_RESULT:
            ShowVerdict(HeapTree.nodeCount == 0 ? "Rezultat final" : "Rezultat intermediar",
                        HeapTree.resultText);
            break;
        default:
            break;
    }
}
