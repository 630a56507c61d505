// The geometry of the figures, checked as invariants over tables of boxes and lines.

#include <algorithm>
#include <cstdlib>

#include "gdi_test_support.h"

namespace w32::gdi::testing {
namespace {

// [ellipse] ---------------------------------------------------------------------------------------

struct BoxCase {
    const char* name;
    RECT box;
    int penWidth = 1;
};

class EllipseBoxTest : public GdiTest, public ::testing::WithParamInterface<BoxCase> {
  protected:
    static constexpr int kSize = 320;
};

// The figure stays inside [left, right) x [top, bottom), touches every edge, and is symmetric
// about both centre lines of the box; with the default pen and brush its outline is black and
// its inside white. A wider pen reaches (width - 1) / 2 pixels beyond the box on every side.
TEST_P(EllipseBoxTest, FillsAndOutlinesExactlyTheBox) {
    const BoxCase& c = GetParam();
    for (const bool withPen : {true, false}) {
        SCOPED_TRACE(withPen ? "pen" : "NULL_PEN");
        RECT b = c.box;
        if (b.left > b.right) std::swap(b.left, b.right);
        if (b.top > b.bottom) std::swap(b.top, b.bottom);
        if (withPen) InflateRect(&b, (c.penWidth - 1) / 2, (c.penWidth - 1) / 2);
        TestCanvas canvas(kSize, kSize, kGrey);
        {
            ScopedDc dc(canvas.canvas());
            const HPEN pen = CreatePen(withPen ? PS_SOLID : PS_NULL, c.penWidth, RGB(0, 0, 0));
            SelectObject(dc, pen);
            ASSERT_TRUE(Ellipse(dc, c.box.left, c.box.top, c.box.right, c.box.bottom));
            SelectObject(dc, GetStockObject(BLACK_PEN));
            DeleteObject(pen);
        }
        bool touches[4] = {};  // left, top, right, bottom
        int black = 0;
        for (const Point p : canvas.inkOn(kGrey)) {
            ASSERT_TRUE(p.x >= b.left && p.x < b.right && p.y >= b.top && p.y < b.bottom)
                << "ink at (" << p.x << ", " << p.y << ")";
            const Pixel color = canvas.at(p.x, p.y);
            ASSERT_TRUE(color == kBlack || color == kWhite);
            black += color == kBlack;
            const bool edge[4] = {p.x == b.left, p.y == b.top, p.x == b.right - 1,
                                  p.y == b.bottom - 1};
            for (int e = 0; e < 4; ++e)
                touches[e] = touches[e] || edge[e];
            const int mx = b.left + b.right - 1 - p.x;
            const int my = b.top + b.bottom - 1 - p.y;
            ASSERT_EQ(canvas.at(mx, p.y), color) << "mirror of (" << p.x << ", " << p.y << ")";
            ASSERT_EQ(canvas.at(p.x, my), color) << "mirror of (" << p.x << ", " << p.y << ")";
        }
        EXPECT_TRUE(touches[0] && touches[1] && touches[2] && touches[3]);
        EXPECT_EQ(black > 0, withPen);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EllipseBoxTest,
    ::testing::Values(BoxCase{"NodeCircle", {48, 48, 72, 72}}, BoxCase{"OnePixel", {5, 5, 6, 6}},
                      BoxCase{"TwoByTwo", {5, 5, 7, 7}}, BoxCase{"ThreeByThree", {5, 5, 8, 8}},
                      BoxCase{"OddFlat", {10, 10, 17, 15}}, BoxCase{"ThinTall", {10, 2, 12, 100}},
                      BoxCase{"WideFlat", {2, 50, 110, 54}},
                      BoxCase{"NarrowTall", {50, 2, 54, 110}}, BoxCase{"OddEven", {20, 20, 45, 33}},
                      BoxCase{"EvenOdd", {20, 20, 33, 45}},
                      BoxCase{"ReversedCorners", {72, 72, 48, 48}},
                      BoxCase{"TallerThanTheShapeCache", {10, 5, 131, 315}},
                      BoxCase{"PenWidth2", {40, 40, 80, 70}, 2},
                      BoxCase{"PenWidth3", {40, 40, 80, 70}, 3},
                      BoxCase{"PenWiderThanTheBox", {40, 40, 46, 44}, 9}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

// A 1-pixel outline is one pixel thin: along every row and column of the box, no outline run
// is longer than the row's or column's own share of the curve, and the inside is not outline.
TEST_F(GdiTest, NodeCircleOutlineIsOnePixelThin) {
    TestCanvas canvas(24, 24, kGrey);
    {
        ScopedDc dc(canvas.canvas());
        Ellipse(dc, 0, 0, 24, 24);
    }
    // Through the centre lines the outline crosses exactly twice, one pixel each time.
    for (const int middle : {11, 12}) {
        int rowBlack = 0;
        int columnBlack = 0;
        for (int i = 0; i < 24; ++i) {
            rowBlack += canvas.at(i, middle) == kBlack;
            columnBlack += canvas.at(middle, i) == kBlack;
        }
        EXPECT_EQ(rowBlack, 2);
        EXPECT_EQ(columnBlack, 2);
    }
    // No 2 x 2 block of outline anywhere.
    for (int y = 0; y + 1 < 24; ++y) {
        for (int x = 0; x + 1 < 24; ++x) {
            EXPECT_FALSE(canvas.at(x, y) == kBlack && canvas.at(x + 1, y) == kBlack &&
                         canvas.at(x, y + 1) == kBlack && canvas.at(x + 1, y + 1) == kBlack)
                << "at (" << x << ", " << y << ")";
        }
    }
}

TEST_F(GdiTest, EmptyBoxDrawsNothing) {
    TestCanvas canvas(16, 16, kGrey);
    ScopedDc dc(canvas.canvas());
    EXPECT_TRUE(Ellipse(dc, 4, 4, 4, 12));
    EXPECT_TRUE(Rectangle(dc, 4, 4, 12, 4));
    EXPECT_TRUE(canvas.inkOn(kGrey).empty());
}

TEST_F(GdiTest, NullBrushLeavesTheInsideAlone) {
    TestCanvas canvas(24, 24, kGrey);
    {
        ScopedDc dc(canvas.canvas());
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, 0, 0, 24, 24);
        Rectangle(dc, 4, 4, 20, 20);
    }
    EXPECT_EQ(canvas.at(12, 12), kGrey);
    EXPECT_EQ(canvas.at(4, 12), kBlack);
    EXPECT_EQ(canvas.at(0, 12), kBlack);
}

// [rectangle] -------------------------------------------------------------------------------------

struct RectangleCase {
    const char* name;
    int penWidth;
    Rect outline;   // the pixels the pen covers, outer bound
    Rect interior;  // the brush's part
};

class RectangleTest : public GdiTest, public ::testing::WithParamInterface<RectangleCase> {};

// A pen of width w straddles the edge of [10, 30) x [10, 20): (w - 1) / 2 pixels outside.
TEST_P(RectangleTest, PenStraddlesTheEdge) {
    const RectangleCase& c = GetParam();
    TestCanvas canvas(40, 30, kGrey);
    {
        ScopedDc dc(canvas.canvas());
        const HPEN pen = CreatePen(PS_SOLID, c.penWidth, RGB(0, 0, 0));
        SelectObject(dc, pen);
        Rectangle(dc, 10, 10, 30, 20);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        DeleteObject(pen);
    }
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const Point p{x, y};
            const Pixel want = c.interior.contains(p)  ? kWhite
                               : c.outline.contains(p) ? kBlack
                                                       : kGrey;
            ASSERT_EQ(canvas.at(x, y), want) << "at (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pens, RectangleTest,
    ::testing::Values(RectangleCase{"Width1", 1, {10, 10, 30, 20}, {11, 11, 29, 19}},
                      RectangleCase{"Width0IsOne", 0, {10, 10, 30, 20}, {11, 11, 29, 19}},
                      RectangleCase{"Width2", 2, {10, 10, 30, 20}, {12, 12, 28, 18}},
                      RectangleCase{"Width3", 3, {9, 9, 31, 21}, {12, 12, 28, 18}},
                      RectangleCase{"Width4", 4, {9, 9, 31, 21}, {13, 13, 27, 17}}),
    [](const ::testing::TestParamInfo<RectangleCase>& info) {
        return std::string(info.param.name);
    });

// [thin lines] ------------------------------------------------------------------------------------

struct LineCase {
    const char* name;
    POINT from;
    POINT to;
};

class ThinLineTest : public GdiTest, public ::testing::WithParamInterface<LineCase> {};

// max(|dx|, |dy|) pixels, one per step of the major axis, from the start up to but not including
// the end point, within the segment's bounding box, each step moving the minor axis by 0 or 1.
TEST_P(ThinLineTest, LeavesOutTheEndPoint) {
    const LineCase& c = GetParam();
    TestCanvas canvas(40, 40);
    POINT previous{};
    {
        ScopedDc dc(canvas.canvas());
        MoveToEx(dc, c.from.x, c.from.y, nullptr);
        ASSERT_TRUE(LineTo(dc, c.to.x, c.to.y));
        MoveToEx(dc, 0, 0, &previous);
    }
    EXPECT_EQ(previous.x, c.to.x);
    EXPECT_EQ(previous.y, c.to.y);
    const auto ink = canvas.inkOn(kWhite);
    const long dx = c.to.x - c.from.x;
    const long dy = c.to.y - c.from.y;
    ASSERT_EQ(static_cast<long>(ink.size()), std::max(std::labs(dx), std::labs(dy)));
    if (ink.empty()) return;
    EXPECT_EQ(canvas.at(c.from.x, c.from.y), kBlack);
    EXPECT_EQ(canvas.at(c.to.x, c.to.y), kWhite);
    const bool xMajor = std::labs(dx) >= std::labs(dy);
    for (const Point p : ink) {
        EXPECT_EQ(canvas.at(p.x, p.y), kBlack);
        EXPECT_TRUE(p.x >= std::min(c.from.x, c.to.x) && p.x <= std::max(c.from.x, c.to.x));
        EXPECT_TRUE(p.y >= std::min(c.from.y, c.to.y) && p.y <= std::max(c.from.y, c.to.y));
    }
    // One pixel on each line of the major axis short of the end.
    for (long i = 0; i < std::max(std::labs(dx), std::labs(dy)); ++i) {
        int count = 0;
        for (const Point p : ink) {
            const long along = xMajor ? std::labs(p.x - c.from.x) : std::labs(p.y - c.from.y);
            count += along == i;
        }
        EXPECT_EQ(count, 1) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ThinLineTest,
    ::testing::Values(
        LineCase{"Right", {5, 20}, {30, 20}}, LineCase{"Left", {30, 20}, {5, 20}},
        LineCase{"Down", {20, 3}, {20, 33}}, LineCase{"Up", {20, 33}, {20, 3}},
        LineCase{"Diagonal", {2, 2}, {30, 30}}, LineCase{"AntiDiagonal", {30, 2}, {2, 30}},
        LineCase{"ShallowLeftUp", {35, 20}, {3, 11}}, LineCase{"SteepRightDown", {10, 1}, {17, 38}},
        LineCase{"OneStep", {10, 10}, {11, 10}}, LineCase{"ZeroLength", {10, 10}, {10, 10}}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// A closed triangle covers each side's pixels once: every corner is drawn by the line that starts
// there and left out by the one that ends there.
TEST_F(GdiTest, ConsecutiveLinesJoinWithoutGapOrOverlap) {
    TestCanvas canvas(40, 40);
    {
        ScopedDc dc(canvas.canvas());
        MoveToEx(dc, 5, 5, nullptr);
        LineTo(dc, 30, 12);
        LineTo(dc, 12, 35);
        LineTo(dc, 5, 5);
    }
    EXPECT_EQ(canvas.inkOn(kWhite).size(), 25u + 23u + 30u);
}

// [wide lines] ------------------------------------------------------------------------------------

struct WideCase {
    const char* name;
    int width;
    int firstColumn;  // of a vertical line at x = 20
    int firstRow;     // of a horizontal line at y = 20
};

class WideLineTest : public GdiTest, public ::testing::WithParamInterface<WideCase> {};

// Centred on the path: an odd width around the pixel, an even one around its top-left corner.
// Round ends reach half the width beyond both end points, the end point included.
TEST_P(WideLineTest, IsCentredOnThePath) {
    const WideCase& c = GetParam();
    for (const bool vertical : {true, false}) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        TestCanvas canvas(40, 40);
        {
            ScopedDc dc(canvas.canvas());
            const HPEN pen = CreatePen(PS_SOLID, c.width, kRedRef);
            SelectObject(dc, pen);
            MoveToEx(dc, vertical ? 20 : 10, vertical ? 10 : 20, nullptr);
            LineTo(dc, vertical ? 20 : 30, vertical ? 30 : 20);
            SelectObject(dc, GetStockObject(BLACK_PEN));
            DeleteObject(pen);
        }
        // Across the middle of the line: exactly `width` red pixels from the expected first one.
        for (int across = 0; across < 40; ++across) {
            const Pixel got = vertical ? canvas.at(across, 20) : canvas.at(20, across);
            const int first = vertical ? c.firstColumn : c.firstRow;
            EXPECT_EQ(got, across >= first && across < first + c.width ? kRed : kWhite)
                << "at " << across;
        }
        // Along it: the start and end points are covered, nothing beyond the caps.
        const Pixel atStart = vertical ? canvas.at(20 - (c.width % 2 == 0), 10)
                                       : canvas.at(10, 20 - (c.width % 2 == 0));
        const Pixel atEnd = vertical ? canvas.at(20 - (c.width % 2 == 0), 30)
                                     : canvas.at(30, 20 - (c.width % 2 == 0));
        EXPECT_EQ(atStart, kRed);
        EXPECT_EQ(atEnd, kRed);
        for (const Point p : canvas.inkOn(kWhite)) {
            const int along = vertical ? p.y : p.x;
            EXPECT_TRUE(along >= 10 - c.width / 2 - 1 && along <= 30 + c.width / 2);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Widths, WideLineTest,
    ::testing::Values(WideCase{"Width2", 2, 19, 19}, WideCase{"Width3", 3, 19, 19},
                      WideCase{"Width4", 4, 18, 18}, WideCase{"Width5", 5, 18, 18}),
    [](const ::testing::TestParamInfo<WideCase>& info) { return std::string(info.param.name); });

TEST_F(GdiTest, NullPenDrawsNoLine) {
    TestCanvas canvas(20, 20);
    {
        ScopedDc dc(canvas.canvas());
        SelectObject(dc, GetStockObject(NULL_PEN));
        MoveToEx(dc, 1, 1, nullptr);
        EXPECT_TRUE(LineTo(dc, 18, 15));
    }
    EXPECT_TRUE(canvas.inkOn(kWhite).empty());
}

}  // namespace
}  // namespace w32::gdi::testing
