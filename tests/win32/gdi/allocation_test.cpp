// Drawing allocates nothing: a full repaint of the tallest tree the program draws. (The font
// libraries are only called by startup() and CreateFontA.)

#include "allocation_counter.h"
#include "gdi_test_support.h"

namespace w32::gdi::testing {
namespace {

// The program's layout: root at (500, 50), each level 100 lower, the step halving from 240.
POINT nodeCentre(int node) {
    if (node == 1) return {500, 50};
    const POINT parent = nodeCentre(node / 2);
    int depth = 0;
    for (int i = node; i > 1; i /= 2)
        ++depth;
    const int step = 480 >> depth;
    return {parent.x + (node % 2 == 1 ? step : -step), parent.y + 100};
}

void repaintTree(HDC dc, HPEN redPen, HBRUSH redBrush, const POINT* centres) {
    const RECT area{0, 0, 990, 650};
    FillRect(dc, &area, reinterpret_cast<HBRUSH>(std::uintptr_t{COLOR_WINDOW + 1}));
    HGDIOBJ kept = SelectObject(dc, redPen);
    MoveToEx(dc, 990, 10, nullptr);
    LineTo(dc, 990, 593);
    SelectObject(dc, kept);
    for (int i = 2; i <= 63; ++i) {
        MoveToEx(dc, centres[i / 2].x, centres[i / 2].y, nullptr);
        LineTo(dc, centres[i].x, centres[i].y);
    }
    char label[16];
    for (int i = 1; i <= 63; ++i) {
        const bool picked = i == 5;
        if (picked) {
            kept = SelectObject(dc, redBrush);
            SetBkColor(dc, kRedRef);
        }
        Ellipse(dc, centres[i].x - 12, centres[i].y - 12, centres[i].x + 12, centres[i].y + 12);
        _itoa(i * 3 - 40, label, 10);
        TextOutA(dc, centres[i].x - 8, centres[i].y - 8, label, label[1] == '\0' ? 1 : 2);
        if (picked) {
            SelectObject(dc, kept);
            SetBkColor(dc, RGB(255, 255, 255));
        }
    }
}

TEST_F(GdiTest, RepaintingATreeAllocatesNothing) {
    if (!test::canCountAllocations()) GTEST_SKIP() << "the sanitizer owns the allocator";
    POINT centres[64];
    for (int i = 1; i <= 63; ++i)
        centres[i] = nodeCentre(i);
    TestCanvas canvas(1214, 635);
    const HPEN redPen = CreatePen(PS_SOLID, 2, kRedRef);
    const HBRUSH redBrush = CreateSolidBrush(kRedRef);
    test::startCountingAllocations();
    for (int paint = 0; paint < 3; ++paint) {
        const HDC dc = openDc(canvas.canvas(), {0, 0}, {0, 0, 1214, 600});
        repaintTree(dc, redPen, redBrush, centres);
        closeDc(dc);
    }
    const long allocations = test::stopCountingAllocations();
    EXPECT_EQ(allocations, 0);
    EXPECT_FALSE(canvas.inkOn(kWhite).empty());
    DeleteObject(redPen);
    DeleteObject(redBrush);
}

}  // namespace
}  // namespace w32::gdi::testing
