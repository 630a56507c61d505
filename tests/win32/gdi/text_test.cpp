// Text: character cells, modes, counts, and the fonts' metrics.

#include <algorithm>
#include <vector>

#include "gdi_test_support.h"

namespace w32::gdi::testing {
namespace {

HFONT createFont(int height, int width, int weight, const char* face) {
    return CreateFontA(height, width, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH, face);
}

// Draws with a fresh context and answers the canvas's pixels.
template <typename Draw>
std::vector<Pixel> render(int width, int height, Draw draw) {
    TestCanvas canvas(width, height, kGrey);
    {
        ScopedDc dc(canvas.canvas());
        draw(static_cast<HDC>(dc));
    }
    std::vector<Pixel> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.push_back(canvas.at(x, y));
    }
    return pixels;
}

// [cells] -----------------------------------------------------------------------------------------

struct CellCase {
    const char* name;
    int mode;
    COLORREF background;
};

class TextCellTest : public GdiTest, public ::testing::WithParamInterface<CellCase> {};

// OPAQUE fills exactly the cells (sum of advances x cell height) with the background colour;
// TRANSPARENT leaves them; the glyphs are in the text colour and inside the cells.
TEST_P(TextCellTest, FillsTheCellsOnlyWhenOpaque) {
    const CellCase& c = GetParam();
    TestCanvas canvas(60, 40, kGrey);
    SIZE extent{};
    {
        ScopedDc dc(canvas.canvas());
        SetBkMode(dc, c.mode);
        SetBkColor(dc, c.background);
        SetTextColor(dc, RGB(0, 0, 255));
        ASSERT_TRUE(GetTextExtentPoint32A(dc, "42", 2, &extent));
        ASSERT_TRUE(TextOutA(dc, 10, 8, "42", 2));
    }
    ASSERT_GT(extent.cx, 0);
    EXPECT_EQ(extent.cy, 16);  // SYSTEM_FONT's cell
    const Rect cells = Rect::fromSize(10, 8, extent.cx, extent.cy);
    const Pixel background = pixelFromColorRef(c.background);
    int glyphPixels = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const Pixel got = canvas.at(x, y);
            if (got == 0x0000FF) {
                EXPECT_TRUE(cells.contains({x, y})) << "glyph outside its cell";
                ++glyphPixels;
            } else if (cells.contains({x, y})) {
                EXPECT_EQ(got, c.mode == OPAQUE ? background : kGrey) << x << ", " << y;
            } else {
                EXPECT_EQ(got, kGrey) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(glyphPixels, 10);
}

INSTANTIATE_TEST_SUITE_P(Modes, TextCellTest,
                         ::testing::Values(CellCase{"OpaqueWhite", OPAQUE, RGB(255, 255, 255)},
                                           CellCase{"OpaqueRed", OPAQUE, kRedRef},
                                           CellCase{"Transparent", TRANSPARENT, kRedRef}),
                         [](const ::testing::TestParamInfo<CellCase>& info) {
                             return std::string(info.param.name);
                         });

// [counts] ----------------------------------------------------------------------------------------

// Exactly count bytes are drawn, whatever follows them; other bytes than printable ASCII look
// like '?'.
TEST_F(GdiTest, DrawsExactlyCountCharacters) {
    const auto draw = [](const char* text, int count) {
        return render(40, 20, [&](HDC dc) { EXPECT_TRUE(TextOutA(dc, 2, 2, text, count)); });
    };
    const char unterminated[2] = {'4', '2'};
    EXPECT_EQ(draw("123", 2), draw("12", 2));
    EXPECT_EQ(draw(unterminated, 2), draw("42", 2));
    EXPECT_NE(draw("12", 1), draw("12", 2));
    EXPECT_EQ(draw("\x01", 1), draw("?", 1));
    EXPECT_EQ(draw("\xE9", 1), draw("?", 1));
    EXPECT_EQ(draw("", 0), render(40, 20, [](HDC) {}));
}

TEST_F(GdiTest, TextRefusesBadCounts) {
    TestCanvas canvas(20, 20);
    ScopedDc dc(canvas.canvas());
    SIZE size{};
    EXPECT_FALSE(TextOutA(dc, 0, 0, "ab", -1));
    EXPECT_FALSE(TextOutA(dc, 0, 0, nullptr, 2));
    EXPECT_TRUE(TextOutA(dc, 0, 0, nullptr, 0));
    EXPECT_FALSE(GetTextExtentPoint32A(dc, "ab", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(dc, "ab", 2, nullptr));
    EXPECT_TRUE(canvas.inkOn(kWhite).empty());
}

TEST_F(GdiTest, ExtentIsTheSumOfAdvances) {
    TestCanvas canvas(20, 20);
    ScopedDc dc(canvas.canvas());
    SIZE one{}, other{}, both{};
    GetTextExtentPoint32A(dc, "4", 1, &one);
    GetTextExtentPoint32A(dc, "W", 1, &other);
    GetTextExtentPoint32A(dc, "4W", 2, &both);
    EXPECT_EQ(both.cx, one.cx + other.cx);
    EXPECT_EQ(both.cy, one.cy);
}

// [fonts] -----------------------------------------------------------------------------------------

struct MetricsCase {
    const char* name;
    int height;
    int width;
    int weight;
    const char* face;
    LONG cellHeight;
    LONG averageWidth;  // 0: not checked
    LONG weightOut;
};

class FontMetricsTest : public GdiTest, public ::testing::WithParamInterface<MetricsCase> {};

TEST_P(FontMetricsTest, MatchesTheRequest) {
    const MetricsCase& c = GetParam();
    TestCanvas canvas(8, 8);
    ScopedDc dc(canvas.canvas());
    const HFONT font = createFont(c.height, c.width, c.weight, c.face);
    ASSERT_NE(font, nullptr);
    SelectObject(dc, font);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, c.cellHeight);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    if (c.averageWidth != 0) {
        EXPECT_EQ(tm.tmAveCharWidth, c.averageWidth);
    }
    EXPECT_EQ(tm.tmWeight, c.weightOut);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(font));
}

// Arial resolves to Liberation Sans, whose cell is 2288 units of a 2048 em and whose classic
// average width is 904 units: a 20-pixel cell has an 18-pixel em, average width 8.
INSTANTIATE_TEST_SUITE_P(
    Requests, FontMetricsTest,
    ::testing::Values(MetricsCase{"Arial20x15", 20, 15, FW_DONTCARE, "Arial", 20, 15, 400},
                      MetricsCase{"Arial20KeepsAspect", 20, 0, FW_DONTCARE, "Arial", 20, 8, 400},
                      MetricsCase{"NegativeIsEmHeight", -18, 0, FW_NORMAL, "Arial", 20, 8, 400},
                      MetricsCase{"BoldFrom600", 20, 0, 600, "Arial", 20, 0, 700},
                      MetricsCase{"NotBoldBelow600", 20, 0, 599, "Arial", 20, 0, 400},
                      MetricsCase{"UnknownFaceFallsBack", 13, 0, 0, "NoSuchFace", 13, 0, 400},
                      MetricsCase{"EmptyFace", 16, 0, 0, "", 16, 0, 400},
                      MetricsCase{"NullFace", 16, 0, 0, nullptr, 16, 0, 400}),
    [](const ::testing::TestParamInfo<MetricsCase>& info) { return std::string(info.param.name); });

struct StockFontCase {
    const char* name;
    int index;
    LONG cellHeight;
    LONG weight;
};

class StockFontTest : public GdiTest, public ::testing::WithParamInterface<StockFontCase> {};

TEST_P(StockFontTest, HasItsCell) {
    TestCanvas canvas(8, 8);
    ScopedDc dc(canvas.canvas());
    SelectObject(dc, GetStockObject(GetParam().index));
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, GetParam().cellHeight);
    EXPECT_EQ(tm.tmWeight, GetParam().weight);
}

INSTANTIATE_TEST_SUITE_P(Stock, StockFontTest,
                         ::testing::Values(StockFontCase{"SystemFont", SYSTEM_FONT, 16, 700},
                                           StockFontCase{"GuiFont", DEFAULT_GUI_FONT, 13, 400}),
                         [](const ::testing::TestParamInfo<StockFontCase>& info) {
                             return std::string(info.param.name);
                         });

// A width makes the glyphs themselves wider, not only the advances: the ink of a letter spreads
// over more columns at the same cell height.
TEST_F(GdiTest, FontWidthStretchesTheGlyphs) {
    const auto inkColumns = [](int width) {
        TestCanvas canvas(60, 24, kWhite);
        {
            ScopedDc dc(canvas.canvas());
            const HFONT font = createFont(20, width, FW_DONTCARE, "Arial");
            SelectObject(dc, font);
            TextOutA(dc, 2, 2, "o", 1);
            SelectObject(dc, GetStockObject(SYSTEM_FONT));
            DeleteObject(font);
        }
        int left = 60, right = 0;
        for (const Point p : canvas.inkOn(kWhite)) {
            left = std::min(left, p.x);
            right = std::max(right, p.x + 1);
        }
        return right - left;
    };
    const int natural = inkColumns(0);
    const int stretched = inkColumns(15);
    // 15 / 8 of the natural width, give or take the hinting.
    EXPECT_GE(stretched * 8, natural * 15 - 16);
    EXPECT_LE(stretched * 8, natural * 15 + 16);
}

}  // namespace
}  // namespace w32::gdi::testing
