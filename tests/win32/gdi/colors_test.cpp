// Colours: Win32 colour values against canvas pixels, the system colours, and FillRect with a
// system colour index + 1 in place of a brush.

#include "gdi_test_support.h"

namespace w32::gdi::testing {
namespace {

struct ConversionCase {
    COLORREF colorRef;
    Pixel pixel;
};

class ColorConversionTest : public GdiTest, public ::testing::WithParamInterface<ConversionCase> {};

// A COLORREF is 0x00BBGGRR, a pixel 0x00RRGGBB; SetPixel and GetPixel convert both ways.
TEST_P(ColorConversionTest, ConvertsBothWays) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(pixelFromColorRef(c.colorRef), c.pixel);
    EXPECT_EQ(colorRefFromPixel(c.pixel), c.colorRef);
    TestCanvas canvas(4, 4);
    ScopedDc dc(canvas.canvas());
    EXPECT_EQ(SetPixel(dc, 1, 2, c.colorRef), c.colorRef);
    EXPECT_EQ(canvas.at(1, 2), c.pixel);
    EXPECT_EQ(GetPixel(dc, 1, 2), c.colorRef);
}

INSTANTIATE_TEST_SUITE_P(Values, ColorConversionTest,
                         ::testing::Values(ConversionCase{RGB(255, 0, 0), 0xFF0000},
                                           ConversionCase{RGB(0, 255, 0), 0x00FF00},
                                           ConversionCase{RGB(0, 0, 255), 0x0000FF},
                                           ConversionCase{0x0000FF, 0xFF0000},  // the program's red
                                           ConversionCase{RGB(1, 2, 3), 0x010203},
                                           ConversionCase{RGB(255, 255, 255), 0xFFFFFF},
                                           ConversionCase{RGB(0, 0, 0), 0x000000}));

TEST_F(GdiTest, PixelOutsideTheClipIsInvalid) {
    TestCanvas canvas(8, 8);
    ScopedDc dc(canvas.canvas(), {0, 0}, {2, 2, 6, 6});
    EXPECT_EQ(SetPixel(dc, 1, 1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 6, 2), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(255, 255, 255));
    EXPECT_EQ(canvas.at(1, 1), kWhite);
}

struct SystemColorCase {
    const char* name;
    int index;
    COLORREF color;
};

class SystemColorTest : public GdiTest, public ::testing::WithParamInterface<SystemColorCase> {};

// The colours the program and the controls rely on; FillRect takes index + 1 as a brush (so
// that COLOR_SCROLLBAR, index 0, is not NULL), and GetSysColorBrush gives a brush of the same
// colour that survives DeleteObject.
TEST_P(SystemColorTest, HasItsColourEverywhere) {
    const SystemColorCase& c = GetParam();
    EXPECT_EQ(GetSysColor(c.index), c.color);
    TestCanvas canvas(16, 8, kSentinel);
    ScopedDc dc(canvas.canvas());
    const RECT left{0, 0, 8, 8};
    const RECT right{8, 0, 16, 8};
    EXPECT_NE(FillRect(dc, &left, reinterpret_cast<HBRUSH>(std::uintptr_t(c.index + 1))), 0);
    const HBRUSH brush = GetSysColorBrush(c.index);
    ASSERT_NE(brush, nullptr);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_NE(FillRect(dc, &right, brush), 0);
    EXPECT_EQ(canvas.at(0, 0), pixelFromColorRef(c.color));
    EXPECT_EQ(canvas.at(7, 7), pixelFromColorRef(c.color));
    EXPECT_EQ(canvas.at(8, 0), pixelFromColorRef(c.color));
    EXPECT_EQ(canvas.at(15, 7), pixelFromColorRef(c.color));
}

INSTANTIATE_TEST_SUITE_P(
    Colors, SystemColorTest,
    ::testing::Values(SystemColorCase{"Scrollbar", COLOR_SCROLLBAR, RGB(200, 200, 200)},
                      SystemColorCase{"Window", COLOR_WINDOW, RGB(255, 255, 255)},
                      SystemColorCase{"WindowText", COLOR_WINDOWTEXT, RGB(0, 0, 0)},
                      SystemColorCase{"BtnFace", COLOR_BTNFACE, RGB(240, 240, 240)},
                      SystemColorCase{"BtnShadow", COLOR_BTNSHADOW, RGB(160, 160, 160)},
                      SystemColorCase{"GrayText", COLOR_GRAYTEXT, RGB(109, 109, 109)},
                      SystemColorCase{"BtnText", COLOR_BTNTEXT, RGB(0, 0, 0)},
                      SystemColorCase{"BtnHighlight", COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}),
    [](const ::testing::TestParamInfo<SystemColorCase>& info) {
        return std::string(info.param.name);
    });

// Index 25 is unused and 31 is past the end: no colour, no brush, no fill.
TEST_F(GdiTest, UnknownSystemColorsAreRefused) {
    TestCanvas canvas(4, 4);
    ScopedDc dc(canvas.canvas());
    const RECT all{0, 0, 4, 4};
    for (const int index : {-1, 25, 31, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(GetSysColor(index), 0u);
        EXPECT_EQ(GetSysColorBrush(index), nullptr);
        if (index >= 0) {
            EXPECT_EQ(FillRect(dc, &all, reinterpret_cast<HBRUSH>(std::uintptr_t(index + 1))), 0);
        }
    }
    EXPECT_EQ(FillRect(dc, nullptr, HBRUSH(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_TRUE(canvas.inkOn(kWhite).empty());
}

// FillRect leaves out the right and bottom edges, does not reorder corners, and a NULL_BRUSH
// fills nothing but succeeds.
TEST_F(GdiTest, FillRectCoversTheHalfOpenRectangle) {
    TestCanvas canvas(10, 10);
    ScopedDc dc(canvas.canvas());
    const RECT r{2, 3, 6, 8};
    const RECT inverted{6, 8, 2, 3};
    EXPECT_NE(FillRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_NE(FillRect(dc, &inverted, HBRUSH(GetStockObject(GRAY_BRUSH))), 0);
    EXPECT_NE(FillRect(dc, &r, HBRUSH(GetStockObject(NULL_BRUSH))), 0);
    EXPECT_EQ(canvas.inkOn(kWhite).size(), 4u * 5u);
    EXPECT_EQ(canvas.at(2, 3), kBlack);
    EXPECT_EQ(canvas.at(5, 7), kBlack);
    EXPECT_EQ(canvas.at(6, 7), kWhite);
    EXPECT_EQ(canvas.at(5, 8), kWhite);
}

}  // namespace
}  // namespace w32::gdi::testing
