// The drawing of the tree: a red divider, every edge, then every node with its label.

#include "shell/tree_drawing.h"

#include <cstdlib>
#include <cstring>

#include "model/heap_tree.h"

HPEN redPen;
HBRUSH redBrush;

namespace {

constexpr COLORREF red = 0x0000FF;
constexpr COLORREF white = 0xFFFFFF;

constexpr int dividerX = 990;
constexpr int dividerTop = 10;
constexpr int dividerBottom = 593;

constexpr int labelOffset = 8;  // a label's top-left corner lies this far up and left of the centre
constexpr int labelMaxLength = 2;  // longer value texts are cut

constexpr const char* refusal = "Arborele nu se poate desena in fereastra aplicatiei (inaltime>5)";
constexpr int refusalX = 100;
constexpr int refusalY = 100;
constexpr DWORD refusalPause = 5000;

[[noreturn]] void RefuseTallTree(HDC hdc) {
    HFONT font =
        CreateFontA(20, 15, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_DONTCARE, "Arial");
    SelectObject(hdc, font);
    TextOutA(hdc, refusalX, refusalY, refusal, static_cast<int>(std::strlen(refusal)));
    Sleep(refusalPause);
    std::exit(0);
}

void DrawNode(HDC hdc, int i) {
    bool highlighted = HeapTree.highlight[i] == 1;
    HGDIOBJ keptBrush = nullptr;
    if (highlighted) {
        keptBrush = SelectObject(hdc, redBrush);
        SetBkColor(hdc, red);
    }
    int x = HeapTree.x[i];
    int y = HeapTree.y[i];
    Ellipse(hdc, x - nodeRadius, y - nodeRadius, x + nodeRadius, y + nodeRadius);
    _itoa(HeapTree.value[i], HeapTree.scratchText, 10);
    int length = static_cast<int>(std::strlen(HeapTree.scratchText));
    TextOutA(hdc, x - labelOffset, y - labelOffset, HeapTree.scratchText,
             length < labelMaxLength ? length : labelMaxLength);
    if (highlighted) {
        SelectObject(hdc, keptBrush);
        SetBkColor(hdc, white);
    }
}

}  // namespace

void DrawTree(HDC hdc) {
    if (HeapTree.nodeCount > tallestDrawableTree) RefuseTallTree(hdc);

    HGDIOBJ keptPen = SelectObject(hdc, redPen);
    MoveToEx(hdc, dividerX, dividerTop, nullptr);
    LineTo(hdc, dividerX, dividerBottom);
    SelectObject(hdc, keptPen);

    // Every edge before any node, so each circle covers the ends of its lines.
    for (int i = 2; i <= HeapTree.nodeCount; ++i) {
        MoveToEx(hdc, HeapTree.x[i / 2], HeapTree.y[i / 2], nullptr);
        LineTo(hdc, HeapTree.x[i], HeapTree.y[i]);
    }

    HeapTree.highlight[HeapTree.firstPick] = 1;
    for (int i = 1; i <= HeapTree.nodeCount; ++i)
        DrawNode(hdc, i);
    HeapTree.highlight[HeapTree.firstPick] = 0;
}
