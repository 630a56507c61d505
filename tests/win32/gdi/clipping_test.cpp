// Clipping: every primitive drawn partly or wholly outside the clip or the canvas writes nothing
// outside the clip, and nothing outside the canvas (its margin keeps the sentinel colour).

#include <climits>
#include <functional>
#include <string>

#include "gdi_test_support.h"

namespace w32::gdi::testing {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr Point kOrigin{6, 4};
// In client coordinates the inner clip is [6, 44) x [6, 34).
constexpr Rect kInnerClip{12, 10, 50, 38};

struct ClipCase {
    const char* name;
    std::function<void(HDC)> draw;
    bool inkWithInnerClip;  // something must show inside the clip
    bool inkWithWholeCanvas;
};

// Figures get a red pen of the given width and a grey brush, text grey cells: all visible on
// white.
void withPen(HDC dc, int width, const std::function<void()>& draw) {
    const HPEN pen = CreatePen(PS_SOLID, width, kRedRef);
    const HGDIOBJ kept = SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    draw();
    SelectObject(dc, kept);
    DeleteObject(pen);
}

void line(HDC dc, int width, POINT from, POINT to) {
    withPen(dc, width, [&] {
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    });
}

void text(HDC dc, int x, int y, int count) {
    static const std::string kLong(300, 'W');
    SetBkColor(dc, RGB(128, 128, 128));
    TextOutA(dc, x, y, kLong.c_str(), count);
}

void fill(HDC dc, RECT r) {
    FillRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
}

const ClipCase kCases[] = {
    {"FillRectEverything",
     [](HDC dc) {
         fill(dc, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
     },
     true, true},
    {"FillRectAcrossLeftEdge",
     [](HDC dc) {
         fill(dc, {-50, 10, 20, 20});
     },
     true, true},
    {"FillRectOutside",
     [](HDC dc) {
         fill(dc, {100, 100, 200, 200});
     },
     false, false},
    {"RectangleWidePen", [](HDC dc) { withPen(dc, 7, [&] { Rectangle(dc, 0, 0, 70, 50); }); }, true,
     true},
    {"RectangleInverted", [](HDC dc) { withPen(dc, 1, [&] { Rectangle(dc, 70, 50, -10, -10); }); },
     true, true},
    {"EllipseBiggerThanClip",
     [](HDC dc) { withPen(dc, 1, [&] { Ellipse(dc, -10, -10, 60, 50); }); }, true, true},
    {"EllipseHuge",
     [](HDC dc) { withPen(dc, 1, [&] { Ellipse(dc, -1000000, -1000000, 1000000, 1000000); }); },
     true, true},
    {"EllipseOutside", [](HDC dc) { withPen(dc, 1, [&] { Ellipse(dc, -100, -100, -50, -50); }); },
     false, false},
    {"EllipseAtCanvasCorner", [](HDC dc) { withPen(dc, 1, [&] { Ellipse(dc, -6, -4, 20, 20); }); },
     true, true},
    {"EllipseWidePenAcrossCorner",
     [](HDC dc) { withPen(dc, 9, [&] { Ellipse(dc, 30, 25, 80, 70); }); }, true, true},
    {"ThinLineAcross",
     [](HDC dc) {
         line(dc, 1, {-490, -500}, {510, 500});
     },
     true, true},
    {"ThinLineSteep",
     [](HDC dc) {
         line(dc, 1, {20, -1000}, {25, 1000});
     },
     true, true},
    {"ThinLineBackwards",
     [](HDC dc) {
         line(dc, 1, {510, 500}, {-490, -500});
     },
     true, true},
    {"ThinLineOutside",
     [](HDC dc) {
         line(dc, 1, {-10, -10}, {100, -5});
     },
     false, false},
    {"ThinLineOnClipTop",
     [](HDC dc) {
         line(dc, 1, {-100, 6}, {100, 6});
     },
     true, true},
    {"ThinLineAboveClipTop",
     [](HDC dc) {
         line(dc, 1, {-100, 5}, {100, 5});
     },
     false, true},
    {"WideLineAcross",
     [](HDC dc) {
         line(dc, 2, {-490, -500}, {510, 500});
     },
     true, true},
    {"WideLineAcrossCorner",
     [](HDC dc) {
         line(dc, 9, {0, 0}, {100, 60});
     },
     true, true},
    {"WideLineWiderThanAll",
     [](HDC dc) {
         line(dc, INT_MAX, {20, 20}, {21, 20});
     },
     true, true},
    {"LineBeyondCoordinateLimit",
     [](HDC dc) {
         MoveToEx(dc, 0, 0, nullptr);
         EXPECT_FALSE(LineTo(dc, 1 << 28, 5));
     },
     false, false},
    {"TextAcrossLeftEdge", [](HDC dc) { text(dc, -5, 10, 2); }, true, true},
    {"TextPastRightEdge", [](HDC dc) { text(dc, 30, 20, 300); }, true, true},
    {"TextFarLeft", [](HDC dc) { text(dc, -100000, 20, 300); }, false, false},
    {"TextHugeFont",
     [](HDC dc) {
         const HFONT font = CreateFontA(400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
         SelectObject(dc, font);
         text(dc, -50, -50, 2);
         SelectObject(dc, GetStockObject(SYSTEM_FONT));
         DeleteObject(font);
     },
     true, true},
    {"SetPixelOutsideClip", [](HDC dc) { SetPixel(dc, 0, 0, 0); }, false, true},
    {"SetPixelOutsideCanvas", [](HDC dc) { SetPixel(dc, 100, 100, 0); }, false, false},
};

class ClippingTest : public GdiTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(ClippingTest, WritesOnlyInsideTheClip) {
    const ClipCase& c = GetParam();
    // Everything outside the clip starts as the sentinel, the clip as white.
    TestCanvas canvas(kWidth, kHeight, kSentinel);
    canvas.fill(kInnerClip, kWhite);
    {
        ScopedDc dc(canvas.canvas(), kOrigin, kInnerClip);
        c.draw(dc);
    }
    EXPECT_TRUE(canvas.marginIntact());
    bool ink = false;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (kInnerClip.contains({x, y})) {
                ink = ink || canvas.at(x, y) != kWhite;
            } else {
                ASSERT_EQ(canvas.at(x, y), kSentinel)
                    << "written outside at (" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(ink, c.inkWithInnerClip);
}

// A clip larger than the canvas is cut to it by openDc.
TEST_P(ClippingTest, WritesOnlyInsideTheCanvas) {
    const ClipCase& c = GetParam();
    TestCanvas canvas(kWidth, kHeight, kWhite);
    {
        ScopedDc dc(canvas.canvas(), kOrigin, {-100, -100, 200, 200});
        c.draw(dc);
    }
    EXPECT_TRUE(canvas.marginIntact());
    EXPECT_EQ(!canvas.inkOn(kWhite).empty(), c.inkWithWholeCanvas);
}

INSTANTIATE_TEST_SUITE_P(Primitives, ClippingTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ClipCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace w32::gdi::testing
