// Group boxes answer HTTRANSPARENT: a press on their frame, caption or inside reaches the window
// below, while their own children still take presses.

#include <gtest/gtest.h>

#include "harness.h"
#include "win32/testing/session.h"

using namespace controls_test;
using w32::testing::Session;

namespace {

void runPanel(Session& s) {
    Scene scene;
    scene.build = buildPanel;
    setScene(scene);
    s.run(testWinMain);
}

struct PressCase {
    const char* name;
    POINT at;  // main window client coordinates
};

class GroupBoxPress : public testing::TestWithParam<PressCase> {};

TEST_P(GroupBoxPress, ReachesTheWindowBelow) {
    const PressCase& c = GetParam();
    Session s;
    s.then([](Session&) { clearLog(); });
    s.click(c.at.x, c.at.y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(countOf(panel().actions, WM_LBUTTONDOWN), 0);
        ASSERT_EQ(countOf(mainWindow(), WM_LBUTTONDOWN), 1);
        for (int i = 0; i < logSize(); ++i) {
            const Event& e = logAt(i);
            if (e.to != mainWindow() || e.message != WM_LBUTTONDOWN) continue;
            EXPECT_EQ(LOWORD(e.lParam), c.at.x);
            EXPECT_EQ(HIWORD(e.lParam), c.at.y);
        }
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroupBoxPress,
    testing::Values(PressCase{"Caption", {1045, 20}}, PressCase{"TopEdge", {1150, 21}},
                    PressCase{"LeftEdge", {1026, 140}}, PressCase{"RightEdge", {1175, 140}},
                    PressCase{"BottomEdge", {1100, 178}}, PressCase{"Inside", {1100, 150}},
                    PressCase{"InsideTheOtherBox", {1100, 340}}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

TEST(GroupBox, ItsChildrenStillTakePresses) {
    Session s;
    s.then([](Session&) { clearLog(); });
    s.click(kRadioCentre[1].x, kRadioCentre[1].y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(countOf(panel().radios[1], WM_LBUTTONDOWN), 1);
        EXPECT_EQ(countOf(mainWindow(), WM_LBUTTONDOWN), 0);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

struct HitCase {
    const char* name;
    HWND (*window)();
    LRESULT expected;
};

class ButtonHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(ButtonHitTest, OnlyTheGroupBoxIsTransparent) {
    const HitCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        HWND w = c.window();
        RECT r;
        GetWindowRect(w, &r);
        LPARAM inside = MAKELPARAM(r.left + 2, r.top + 2);
        EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, inside), c.expected);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonHitTest,
    testing::Values(HitCase{"GroupBox", [] { return panel().actions; }, HTTRANSPARENT},
                    HitCase{"RadioButton", [] { return panel().radios[0]; }, HTCLIENT},
                    HitCase{"PushButton", [] { return panel().buttons[0]; }, HTCLIENT}),
    [](const testing::TestParamInfo<HitCase>& info) { return info.param.name; });

TEST(GroupBox, HasNoCheckAndNoClick) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        clearLog();
        SendMessageA(panel().actions, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(panel().actions, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageA(panel().actions, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(countOf(mainWindow(), WM_COMMAND), 0);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

}  // namespace
