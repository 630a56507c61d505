// The paint cycle: order, erasing, clipping, propagation to children, presenting.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "test_windows.h"
#include "win32/display/headless/headless_display.h"
#include "win32/testing/session.h"

using w32::testing::Session;

namespace {

constexpr w32::Pixel kScrollbarGrey = 0xC8C8C8;
constexpr w32::Pixel kWhite = 0xFFFFFF;
constexpr w32::Pixel kRed = 0xFF0000;
constexpr w32::Pixel kBlue = 0x0000FF;

// Each paint of a filler fills its whole client area: red the first time, blue afterwards. Only
// what the update area lets through changes.
int fillerPaints = 0;
LRESULT CALLBACK fillerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(fillerPaints++ == 0 ? RGB(255, 0, 0) : RGB(0, 0, 255));
    RECT all;
    GetClientRect(hwnd, &all);
    FillRect(hdc, &all, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
}

// main (client 414 x 320, grey)
// +- X (10,10 100x100, white)      +- XX (10,10 30x30, grey)
// +- Y (150,10 100x100, grey)      +- Z (80,10 50x20, white; partly outside Y)
// +- F (300,150 100x100) filler
// +- K (10,150 100x100) clips its children   +- KC (10,10 20x20)
int WINAPI paintMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    test::registerTestClasses(instance);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = fillerProc;
    wc.lpszClassName = "Filler";
    RegisterClassExA(&wc);
    HWND main = CreateWindowExA(0, "Recorder", "main", WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                                420, 345, nullptr, nullptr, instance, nullptr);
    HWND x = test::child(main, "X", 10, 10, 100, 100, 0, 0, "Plain");
    test::child(x, "XX", 10, 10, 30, 30);
    HWND y = test::child(main, "Y", 150, 10, 100, 100);
    test::child(y, "Z", 80, 10, 50, 20, 0, 0, "Plain");
    test::child(main, "F", 300, 150, 100, 100, 0, 0, "Filler");
    HWND k = test::child(main, "K", 10, 150, 100, 100, WS_CLIPCHILDREN);
    test::child(k, "KC", 10, 10, 20, 20);
    ShowWindow(main, show);
    return test::messageLoop();
}

int indexOf(const std::string& line) {
    auto& l = test::log();
    auto it = std::find(l.begin(), l.end(), line);
    return it == l.end() ? -1 : static_cast<int>(it - l.begin());
}

int countOf(const std::string& line) {
    auto& l = test::log();
    return static_cast<int>(std::count(l.begin(), l.end(), line));
}

TEST(PaintCycle, EveryWindowPaintsOnceAtTheStartParentsFirst) {
    Session s;
    s.then([](Session&) {
        for (const char* name : {"main", "X", "XX", "Y", "Z", "K", "KC"})
            EXPECT_EQ(countOf(std::string(name) + " PAINT"), 1) << name;
        EXPECT_LT(indexOf("main PAINT"), indexOf("X PAINT"));
        EXPECT_LT(indexOf("X PAINT"), indexOf("XX PAINT"));
        EXPECT_LT(indexOf("Y PAINT"), indexOf("Z PAINT"));
        EXPECT_LT(indexOf("main PAINT"), indexOf("main ERASE"));
    });
    EXPECT_EQ(s.run(paintMain), 0);
}

TEST(PaintCycle, WaitsUntilNoOtherMessageIsQueued) {
    Session s;
    s.then([](Session& session) {
         test::log().clear();
         InvalidateRect(session.mainWindow(), nullptr, TRUE);
         PostMessageA(session.mainWindow(), WM_USER, 0, 0);
     }).then([](Session&) {
        ASSERT_GE(indexOf("main PAINT"), 0);
        EXPECT_LT(indexOf("main USER"), indexOf("main PAINT"));
    });
    EXPECT_EQ(s.run(paintMain), 0);
}

struct PixelCase {
    const char* name;
    POINT at;  // main window client pixels
    w32::Pixel expected;
};

class ErasedBackground : public testing::TestWithParam<PixelCase> {};

TEST_P(ErasedBackground, ShowsTheClassBrush) {
    const PixelCase& c = GetParam();
    Session s;
    s.then([&](Session& session) {
        EXPECT_EQ(Session::pixel(session.mainWindow(), c.at.x, c.at.y), c.expected);
    });
    EXPECT_EQ(s.run(paintMain), 0);
}

const PixelCase erasedCases[] = {
    {"main_colour_index_plus_one", {300, 30}, kScrollbarGrey},
    {"child_of_another_class", {80, 80}, kWhite},
    {"grandchild", {30, 30}, kScrollbarGrey},
    {"child_inside_its_parent", {240, 25}, kWhite},
    {"child_cut_off_by_its_parent", {260, 25}, kScrollbarGrey},
};

INSTANTIATE_TEST_SUITE_P(Table, ErasedBackground, testing::ValuesIn(erasedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaintCycle, DrawsOnlyInsideTheUpdateArea) {
    Session s;
    s.then([](Session& session) {
         HWND f = session.find("F");
         EXPECT_EQ(Session::pixel(session.mainWindow(), 350, 200), kRed);
         RECT part{10, 10, 20, 20};
         InvalidateRect(f, &part, FALSE);
     }).then([](Session& session) {
        HWND main = session.mainWindow();
        EXPECT_EQ(Session::pixel(main, 310, 160), kBlue);
        EXPECT_EQ(Session::pixel(main, 319, 169), kBlue);
        EXPECT_EQ(Session::pixel(main, 320, 170), kRed);
        EXPECT_EQ(Session::pixel(main, 309, 160), kRed);
    });
    EXPECT_EQ(s.run(paintMain), 0);
}

TEST(PaintCycle, PresentsOnlyWhatWasPainted) {
    Session s;
    long before = 0;
    s.then([&](Session& session) {
         before = w32::headless::presentStats().pixels;
         RECT part{10, 10, 20, 20};
         InvalidateRect(session.find("F"), &part, FALSE);
     }).then([&](Session&) { EXPECT_EQ(w32::headless::presentStats().pixels - before, 100); });
    EXPECT_EQ(s.run(paintMain), 0);
}

struct PropagationCase {
    const char* name;
    const char* invalidated;
    std::vector<const char*> painted;
    std::vector<const char*> notPainted;
};

class Invalidation : public testing::TestWithParam<PropagationCase> {};

TEST_P(Invalidation, ReachesChildrenUnlessClipped) {
    const PropagationCase& c = GetParam();
    Session s;
    s.then([&](Session& session) {
         test::log().clear();
         HWND target = std::string(c.invalidated) == "main" ? session.mainWindow()
                                                            : session.find(c.invalidated);
         InvalidateRect(target, nullptr, TRUE);
     }).then([&](Session&) {
        for (const char* name : c.painted)
            EXPECT_EQ(countOf(std::string(name) + " PAINT"), 1) << name;
        for (const char* name : c.notPainted)
            EXPECT_EQ(countOf(std::string(name) + " PAINT"), 0) << name;
    });
    EXPECT_EQ(s.run(paintMain), 0);
}

const PropagationCase propagationCases[] = {
    {"parent_repaints_children", "Y", {"Y", "Z"}, {"main", "X"}},
    {"child_alone_leaves_the_parent", "X", {"X", "XX"}, {"main", "Y"}},
    {"clip_children_stops_at_the_parent", "K", {"K"}, {"KC", "main"}},
    {"whole_window", "main", {"main", "X", "XX", "Y", "Z", "K"}, {"KC"}},
};

INSTANTIATE_TEST_SUITE_P(Table, Invalidation, testing::ValuesIn(propagationCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
