// Small golden images of the rasterizer, each a scene the program's drawing depends on.

#include <algorithm>
#include <cstring>
#include <functional>

#include "gdi_test_support.h"

namespace w32::gdi::testing {
namespace {

constexpr const char* kRefusal = "Arborele nu se poate desena in fereastra aplicatiei (inaltime>5)";

struct GoldenCase {
    const char* name;
    int width;
    int height;
    Pixel background;
    std::function<void(HDC)> draw;
};

void ellipseBoxEdges(HDC dc) {
    Ellipse(dc, 4, 4, 28, 28);  // a node circle: radius 12 around (16, 16)
    Ellipse(dc, 32, 4, 39, 9);  // odd sizes: 7 x 5
    Ellipse(dc, 32, 12, 35, 15);
    Ellipse(dc, 32, 18, 34, 28);  // a thin even box: 2 x 10
    Ellipse(dc, 36, 18, 37, 19);  // a single pixel
}

// Every end point is painted grey first: a line that left it out leaves it grey.
void lineEndPoints(HDC dc) {
    const POINT ends[] = {{20, 10}, {20, 16}, {16, 20}, {10, 20}, {4, 20}, {0, 16},  {0, 10},
                          {0, 4},   {4, 0},   {10, 0},  {16, 0},  {20, 4}, {18, 13}, {3, 18}};
    for (const POINT& end : ends)
        SetPixel(dc, end.x, end.y, RGB(160, 160, 160));
    for (const POINT& end : ends) {
        MoveToEx(dc, 10, 10, nullptr);
        LineTo(dc, end.x, end.y);
    }
}

void wideLines(HDC dc) {
    const HPEN red = CreatePen(PS_SOLID, 2, kRedRef);
    const HGDIOBJ kept = SelectObject(dc, red);
    const POINT lines[][2] = {
        {{4, 2}, {4, 29}}, {{8, 4}, {29, 4}}, {{8, 8}, {28, 27}}, {{28, 10}, {12, 28}}};
    for (const auto& line : lines) {
        MoveToEx(dc, line[0].x, line[0].y, nullptr);
        LineTo(dc, line[1].x, line[1].y);
    }
    SelectObject(dc, kept);
    DeleteObject(red);
}

void opaqueTextCells(HDC dc) {
    TextOutA(dc, 2, 2, "42", 2);  // white cells on grey
    SetBkColor(dc, kRedRef);
    TextOutA(dc, 2, 22, "-5", 2);  // a highlighted node's label: red cells
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 30, 2, "7", 1);  // no cells at all
}

void stretchedArial(HDC dc) {
    const HFONT font =
        CreateFontA(20, 15, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH, "Arial");
    const HGDIOBJ kept = SelectObject(dc, font);
    TextOutA(dc, 4, 4, kRefusal, static_cast<int>(std::strlen(kRefusal)));
    SelectObject(dc, kept);
    DeleteObject(font);
}

// Three nodes as the program draws them: divider, edges, circles, labels, the second node picked.
void smallTree(HDC dc) {
    const HPEN redPen = CreatePen(PS_SOLID, 2, kRedRef);
    const HBRUSH redBrush = CreateSolidBrush(kRedRef);
    HGDIOBJ kept = SelectObject(dc, redPen);
    MoveToEx(dc, 110, 4, nullptr);
    LineTo(dc, 110, 76);
    SelectObject(dc, kept);
    const POINT nodes[] = {{55, 18}, {25, 58}, {85, 58}};
    for (int child = 1; child < 3; ++child) {
        MoveToEx(dc, nodes[0].x, nodes[0].y, nullptr);
        LineTo(dc, nodes[child].x, nodes[child].y);
    }
    const char* labels[] = {"42", "-5", "7"};
    for (int i = 0; i < 3; ++i) {
        const bool picked = i == 1;
        if (picked) {
            kept = SelectObject(dc, redBrush);
            SetBkColor(dc, kRedRef);
        }
        Ellipse(dc, nodes[i].x - 12, nodes[i].y - 12, nodes[i].x + 12, nodes[i].y + 12);
        TextOutA(dc, nodes[i].x - 8, nodes[i].y - 8, labels[i],
                 static_cast<int>(std::min<std::size_t>(2, std::strlen(labels[i]))));
        if (picked) {
            SelectObject(dc, kept);
            SetBkColor(dc, RGB(255, 255, 255));
        }
    }
    DeleteObject(redPen);
    DeleteObject(redBrush);
}

class GoldenTest : public GdiTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenTest, MatchesGolden) {
    const GoldenCase& c = GetParam();
    TestCanvas canvas(c.width, c.height, c.background);
    {
        ScopedDc dc(canvas.canvas());
        ASSERT_NE(dc, nullptr);
        c.draw(dc);
    }
    EXPECT_TRUE(canvas.marginIntact());
    expectMatchesGolden(c.name, canvas.canvas());
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, GoldenTest,
    ::testing::Values(GoldenCase{"ellipse_box_edges", 42, 32, kGrey, ellipseBoxEdges},
                      GoldenCase{"line_end_points", 21, 21, kWhite, lineEndPoints},
                      GoldenCase{"wide_line", 32, 32, kWhite, wideLines},
                      GoldenCase{"opaque_text_cells", 48, 42, kGrey, opaqueTextCells},
                      GoldenCase{"arial_20x15", 1000, 28, kWhite, stretchedArial},
                      GoldenCase{"small_tree", 120, 80, kWhite, smallTree}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

// Screenshots: the area is cut to the canvas, and the PNG holds exactly its pixels.
TEST_F(GdiTest, SavePngWritesTheAreaCutToTheCanvas) {
    TestCanvas canvas(10, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x)
            canvas.fill(Rect::fromSize(x, y, 1, 1), Pixel(x * 0x1F0000 + y * 0x1F));
    }
    const std::string path = std::string(HEAPTREE_OUTPUT_DIR) + "/save_png_area.png";
    ASSERT_TRUE(savePng(canvas.canvas(), {-5, 2, 6, 100}, path.c_str()));
    std::vector<Pixel> pixels;
    int width = 0;
    int height = 0;
    ASSERT_TRUE(loadPng(path, pixels, width, height));
    ASSERT_EQ(width, 6);
    ASSERT_EQ(height, 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(pixels[y * 6 + x], canvas.at(x, y + 2));
    }
    EXPECT_FALSE(savePng(canvas.canvas(), {20, 0, 30, 8}, path.c_str()));
    EXPECT_FALSE(savePng(canvas.canvas(), canvas.canvas().bounds(), "/nonexistent/dir/x.png"));
    EXPECT_FALSE(savePng(canvas.canvas(), canvas.canvas().bounds(), nullptr));
}

}  // namespace
}  // namespace w32::gdi::testing
