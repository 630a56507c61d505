// Handles: selection, deletion, stale and foreign handles, stock objects, full tables, the
// defaults of a fresh context.

#include <functional>
#include <vector>

#include "gdi_test_support.h"

namespace w32::gdi::testing {
namespace {

HFONT createArial() {
    return CreateFontA(20, 15, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH, "Arial");
}

struct KindCase {
    const char* name;
    std::function<HGDIOBJ()> create;
    int defaultStock;
};

const KindCase kKinds[] = {
    {"Pen", [] { return HGDIOBJ(CreatePen(PS_SOLID, 2, kRedRef)); }, BLACK_PEN},
    {"Brush", [] { return HGDIOBJ(CreateSolidBrush(kRedRef)); }, WHITE_BRUSH},
    {"Font", [] { return HGDIOBJ(createArial()); }, SYSTEM_FONT},
};

class ObjectKindTest : public GdiTest, public ::testing::WithParamInterface<KindCase> {};

// SelectObject answers the previous object of the same kind, starting from the context's
// default, and selecting one kind leaves the others alone.
TEST_P(ObjectKindTest, SelectReturnsThePreviousOfItsKind) {
    const KindCase& c = GetParam();
    TestCanvas canvas(8, 8);
    ScopedDc dc(canvas.canvas());
    const HGDIOBJ first = c.create();
    const HGDIOBJ second = c.create();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(SelectObject(dc, first), GetStockObject(c.defaultStock));
    EXPECT_EQ(SelectObject(dc, second), first);
    EXPECT_EQ(SelectObject(dc, GetStockObject(c.defaultStock)), second);
    for (const KindCase& other : kKinds) {
        if (other.defaultStock == c.defaultStock) continue;
        const HGDIOBJ stock = GetStockObject(other.defaultStock);
        EXPECT_EQ(SelectObject(dc, stock), stock) << other.name << " changed";
    }
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_TRUE(DeleteObject(second));
}

// A deleted handle is refused everywhere, also after its slot has been reused.
TEST_P(ObjectKindTest, DeletedHandleIsRefused) {
    const KindCase& c = GetParam();
    TestCanvas canvas(8, 8);
    ScopedDc dc(canvas.canvas());
    const HGDIOBJ old = c.create();
    ASSERT_TRUE(DeleteObject(old));
    const HGDIOBJ reused = c.create();
    ASSERT_NE(reused, nullptr);
    EXPECT_NE(reused, old);
    EXPECT_EQ(SelectObject(dc, old), nullptr);
    EXPECT_FALSE(DeleteObject(old));
    EXPECT_EQ(SelectObject(dc, reused), GetStockObject(c.defaultStock));
    SelectObject(dc, GetStockObject(c.defaultStock));
    EXPECT_TRUE(DeleteObject(reused));
}

// An object selected into an open context cannot be deleted; once deselected, or its context
// closed, it can.
TEST_P(ObjectKindTest, SelectedObjectIsNotDeleted) {
    const KindCase& c = GetParam();
    TestCanvas canvas(8, 8);
    const HGDIOBJ object = c.create();
    {
        ScopedDc dc(canvas.canvas());
        SelectObject(dc, object);
        EXPECT_FALSE(DeleteObject(object));
        SelectObject(dc, GetStockObject(c.defaultStock));
        EXPECT_TRUE(DeleteObject(object));
    }
    const HGDIOBJ again = c.create();
    {
        ScopedDc dc(canvas.canvas());
        SelectObject(dc, again);
    }
    EXPECT_TRUE(DeleteObject(again));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ObjectKindTest, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<KindCase>& info) {
                             return std::string(info.param.name);
                         });

// Stock objects survive DeleteObject, which succeeds on them and does nothing.
TEST_F(GdiTest, StockObjectsAreNeverDeleted) {
    for (const int index :
         {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN,
          BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        SCOPED_TRACE(index);
        const HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, nullptr);
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_EQ(GetStockObject(index), stock);
        TestCanvas canvas(8, 8);
        ScopedDc dc(canvas.canvas());
        EXPECT_NE(SelectObject(dc, stock), nullptr);
    }
    for (const int index : {-1, 9, 12, 18, 1000})
        EXPECT_EQ(GetStockObject(index), nullptr);
}

struct ForeignCase {
    const char* name;
    std::function<HGDIOBJ(HDC)> make;  // given the test's own context
};

class ForeignHandleTest : public GdiTest, public ::testing::WithParamInterface<ForeignCase> {};

// What is not a live pen, brush or font is refused: NULL, a context, a closed context, a system
// colour index + 1 (a brush only to FillRect), a made-up value.
TEST_P(ForeignHandleTest, IsRefusedBySelectAndDelete) {
    TestCanvas canvas(8, 8);
    ScopedDc dc(canvas.canvas());
    const HGDIOBJ foreign = GetParam().make(dc);
    EXPECT_EQ(SelectObject(dc, foreign), nullptr);
    EXPECT_FALSE(DeleteObject(foreign));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), GetStockObject(WHITE_BRUSH));
}

INSTANTIATE_TEST_SUITE_P(
    Handles, ForeignHandleTest,
    ::testing::Values(
        ForeignCase{"Null", [](HDC) { return HGDIOBJ(nullptr); }},
        ForeignCase{"OpenContext", [](HDC dc) { return reinterpret_cast<HGDIOBJ>(dc); }},
        ForeignCase{"ClosedContext",
                    [](HDC) {
                        TestCanvas canvas(4, 4);
                        const HDC dc = openDc(canvas.canvas(), {0, 0}, {0, 0, 4, 4});
                        closeDc(dc);
                        return reinterpret_cast<HGDIOBJ>(dc);
                    }},
        ForeignCase{
            "SystemColorIndex",
            [](HDC) { return reinterpret_cast<HGDIOBJ>(std::uintptr_t{COLOR_BTNFACE + 1}); }},
        ForeignCase{"MadeUp",
                    [](HDC) { return reinterpret_cast<HGDIOBJ>(std::uintptr_t{0x7fff1234}); }},
        ForeignCase{"Wild",
                    [](HDC) { return reinterpret_cast<HGDIOBJ>(~std::uintptr_t{0} - 0xFFFF); }}),
    [](const ::testing::TestParamInfo<ForeignCase>& info) { return std::string(info.param.name); });

// Every call on a closed or made-up context fails the way Win32 reports it.
TEST_F(GdiTest, StaleContextIsRefusedEverywhere) {
    TestCanvas canvas(8, 8);
    const HDC closed = openDc(canvas.canvas(), {0, 0}, canvas.canvas().bounds());
    closeDc(closed);
    closeDc(closed);  // twice is harmless
    const HDC reopened = openDc(canvas.canvas(), {0, 0}, canvas.canvas().bounds());
    ASSERT_NE(reopened, nullptr);
    for (const HDC dc : {closed, HDC(nullptr), reinterpret_cast<HDC>(std::uintptr_t{0x41234})}) {
        RECT r{0, 0, 8, 8};
        SIZE size{};
        TEXTMETRICA tm{};
        EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
        EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
        EXPECT_EQ(GetBkColor(dc), CLR_INVALID);
        EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
        EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
        EXPECT_FALSE(MoveToEx(dc, 1, 1, nullptr));
        EXPECT_FALSE(LineTo(dc, 5, 5));
        EXPECT_FALSE(Ellipse(dc, 0, 0, 8, 8));
        EXPECT_FALSE(Rectangle(dc, 0, 0, 8, 8));
        EXPECT_FALSE(TextOutA(dc, 0, 0, "a", 1));
        EXPECT_FALSE(GetTextExtentPoint32A(dc, "a", 1, &size));
        EXPECT_FALSE(GetTextMetricsA(dc, &tm));
        EXPECT_EQ(FillRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH))), 0);
        EXPECT_EQ(SetPixel(dc, 1, 1, 0), CLR_INVALID);
        EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
    }
    EXPECT_TRUE(canvas.inkOn(kWhite).empty());
    closeDc(reopened);
}

TEST_F(GdiTest, CreatePenRefusesUnknownStyles) {
    EXPECT_EQ(CreatePen(-1, 1, 0), nullptr);
    EXPECT_EQ(CreatePen(7, 1, 0), nullptr);
    const HPEN null = CreatePen(PS_NULL, 3, 0);
    ASSERT_NE(null, nullptr);
    EXPECT_TRUE(DeleteObject(null));
}

// A full table answers NULL, as Windows does when GDI objects run out, and recovers.
TEST_F(GdiTest, FullTablesAnswerNull) {
    TestCanvas canvas(8, 8);
    std::vector<HDC> contexts;
    for (HDC dc; contexts.size() < 1000 && (dc = openDc(canvas.canvas(), {}, {0, 0, 8, 8}));) {
        contexts.push_back(dc);
    }
    EXPECT_LT(contexts.size(), 1000u);
    EXPECT_GT(contexts.size(), 2u);
    for (const HDC dc : contexts)
        closeDc(dc);
    EXPECT_NE(ScopedDc(canvas.canvas()), nullptr);

    std::vector<HPEN> pens;
    for (HPEN pen; pens.size() < 10000 && (pen = CreatePen(PS_SOLID, 1, 0));)
        pens.push_back(pen);
    EXPECT_LT(pens.size(), 10000u);
    for (const HPEN pen : pens)
        EXPECT_TRUE(DeleteObject(pen));
    const HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_NE(pen, nullptr);
    DeleteObject(pen);
}

// [defaults] -------------------------------------------------------------------------------------

// Black 1-pixel pen, white brush, black text on white, OPAQUE, SYSTEM_FONT, position (0, 0).
TEST_F(GdiTest, FreshContextHasTheDefaults) {
    TestCanvas canvas(32, 32, kGrey);
    ScopedDc dc(canvas.canvas());
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(SetTextColor(dc, RGB(0, 0, 0)), RGB(0, 0, 0));
    EXPECT_EQ(SetBkMode(dc, OPAQUE), OPAQUE);
    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), GetStockObject(SYSTEM_FONT));
    POINT position{-1, -1};
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(position.y, 0);
    Ellipse(dc, 4, 4, 28, 28);
    EXPECT_EQ(canvas.at(4, 16), kBlack);
    EXPECT_EQ(canvas.at(5, 16), kWhite);
    EXPECT_EQ(canvas.at(16, 16), kWhite);
    EXPECT_EQ(canvas.at(3, 16), kGrey);
}

// Client coordinates are offset by the context's origin.
TEST_F(GdiTest, OriginOffsetsEveryCall) {
    TestCanvas canvas(32, 32, kGrey);
    ScopedDc dc(canvas.canvas(), {10, 5}, canvas.canvas().bounds());
    EXPECT_EQ(SetPixel(dc, 1, 2, RGB(0, 0, 0)), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(11, 7), kBlack);
    EXPECT_EQ(GetPixel(dc, 1, 2), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, -10, -5), RGB(192, 192, 192));
    EXPECT_EQ(GetPixel(dc, -11, 0), CLR_INVALID);
}

}  // namespace
}  // namespace w32::gdi::testing
