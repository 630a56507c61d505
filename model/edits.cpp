#include "model/edits.h"

#include <cmath>
#include <utility>

#include "model/heap_tree.h"
#include "shell/presentation.h"

int NodeAt(int x, int y) {
    for (int i = 1; i <= HeapTree.nodeCount; ++i) {
        // In double, because a far press would overflow an int square; every distance within
        // reach is still computed exactly.
        const double dx = static_cast<double>(HeapTree.x[i]) - x;
        const double dy = static_cast<double>(HeapTree.y[i]) - y;
        if (std::sqrt(dx * dx + dy * dy) <= hitRadius) return i;
    }
    return 0;
}

namespace {

// A wrong press changes nothing; the caller still repaints once the box is closed.
void Refuse(const char* caption, const char* text) {
    ErrorBeep();
    ShowVerdict(caption, text);
}

void RemoveLastLeaf(int x, int y) {
    const int hit = NodeAt(x, y);
    if (hit != 0 && hit == HeapTree.nodeCount) {
        HeapTree.value[hit] = 0;
        --HeapTree.nodeCount;
    } else {
        Refuse("Eliminare frunza", "Nu ati selectat ultima frunza!");
    }
}

// The swap takes two presses, held apart by firstPick:
//
//   waiting for   press                        then waiting for   output
//   first node    picks node i                 second node (i)    prompt for the second node
//   first node    picks nothing                first node         beep, verdict "primul varf"
//   second node   picks node j at x <= 975     first node         values exchanged, prompt
//   second node   picks nothing, or x >= 976   second node        beep, verdict "al doilea"
//
// Any two nodes may be exchanged, one node with itself too. A tool switch in the shell also
// drops the first pick.
void PressForSwap(int x, int y) {
    const int hit = NodeAt(x, y);
    if (HeapTree.firstPick == 0) {
        HeapTree.firstPick = hit;
        if (hit != 0) {
            SetPrompt(" Selectati cel de-al doilea varf");
        } else {
            Refuse("Interschimbare informatii", "Nu ati selectat primul varf");
        }
    } else if (hit != 0 && x <= secondPickMaxX) {
        std::swap(HeapTree.value[HeapTree.firstPick], HeapTree.value[hit]);
        SetPrompt(" Selectati primul varf");
        HeapTree.firstPick = 0;
    } else {
        Refuse("Interschimbare informatii", "Nu ati selectat cel de-al doilea varf");
    }
}

}  // namespace

void HandleTreeClick(int tool, int x, int y) {
    switch (tool) {
        case TOOL_REMOVE_LEAF:
            RemoveLastLeaf(x, y);
            break;
        case TOOL_SWAP:
            PressForSwap(x, y);
            break;
        default:
            break;
    }
    RepaintTree();
}
