// Push buttons: the press cycle (press, leave, come back, release, cancel) as the table in the
// button's source states it; disabled buttons; BM_CLICK and BM_SETSTATE.

#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "win32/testing/session.h"

using namespace controls_test;
using w32::MouseButton;
using w32::testing::Session;

namespace {

constexpr POINT kCentre = kButtonCentre[0];
constexpr POINT kOutside{500, 300};

HWND button() {
    return panel().buttons[0];
}

int clicks() {
    return commandsTo(mainWindow(), MAKEWPARAM(1, BN_CLICKED));
}

bool pushed() {
    return (SendMessageA(button(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void runPanel(Session& s) {
    Scene scene;
    scene.build = buildPanel;
    setScene(scene);
    s.run(testWinMain);
}

// --- the press cycle -----------------------------------------------------------------------------

enum class Step {
    PressInside,
    PressOutside,
    ReleaseInside,
    ReleaseOutside,
    MoveInside,  // what the window manager delivers to the capturing button
    MoveOutside,
    LoseCapture,  // another window takes the capture
    LoseFocus,
    CancelMode,
    RightClick,
    MiddleClick,
    ExpectPushed,
    ExpectNotPushed,
};

struct CycleCase {
    const char* name;
    std::vector<Step> steps;
    int clicks;
};

void sendMove(int x, int y) {
    SendMessageA(button(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
}

void addStep(Session& s, Step step) {
    switch (step) {
        case Step::PressInside:
            s.press(kCentre.x, kCentre.y);
            break;
        case Step::PressOutside:
            s.press(kOutside.x, kOutside.y);
            break;
        case Step::ReleaseInside:
            s.release(kCentre.x, kCentre.y);
            break;
        case Step::ReleaseOutside:
            s.release(kOutside.x, kOutside.y);
            break;
        case Step::MoveInside:
            s.then([](Session&) { sendMove(50, 12); });
            break;
        case Step::MoveOutside:
            s.then([](Session&) { sendMove(-30, 12); });
            break;
        case Step::LoseCapture:
            s.then([](Session&) { SetCapture(mainWindow()); });
            break;
        case Step::LoseFocus:
            s.then([](Session&) { SetFocus(mainWindow()); });
            break;
        case Step::CancelMode:
            s.then([](Session&) { SendMessageA(button(), WM_CANCELMODE, 0, 0); });
            break;
        case Step::RightClick:
            s.click(kCentre.x, kCentre.y, MouseButton::Right);
            break;
        case Step::MiddleClick:
            s.click(kCentre.x, kCentre.y, MouseButton::Middle);
            break;
        case Step::ExpectPushed:
            s.then([](Session&) {
                EXPECT_TRUE(pushed());
                EXPECT_EQ(GetCapture(), button());
            });
            break;
        case Step::ExpectNotPushed:
            s.then([](Session&) { EXPECT_FALSE(pushed()); });
            break;
    }
}

class PressCycle : public testing::TestWithParam<CycleCase> {};

TEST_P(PressCycle, ClicksOnlyOnAReleaseInsideAfterAPressInside) {
    const CycleCase& c = GetParam();
    Session s;
    s.then([](Session&) { clearLog(); });
    for (Step step : c.steps)
        addStep(s, step);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(clicks(), c.clicks);
        EXPECT_FALSE(pushed()) << "every cycle ends released";
        EXPECT_NE(GetCapture(), button());
        if (GetCapture() == mainWindow()) ReleaseCapture();
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

using S = Step;
INSTANTIATE_TEST_SUITE_P(
    Table, PressCycle,
    testing::Values(
        CycleCase{"ReleaseInside", {S::PressInside, S::ExpectPushed, S::ReleaseInside}, 1},
        CycleCase{"ReleaseOutside", {S::PressInside, S::ReleaseOutside, S::ExpectNotPushed}, 0},
        CycleCase{"LeaveAndComeBack",
                  {S::PressInside, S::MoveOutside, S::ExpectNotPushed, S::MoveInside,
                   S::ExpectPushed, S::ReleaseInside},
                  1},
        CycleCase{"LeaveAndReleaseOutside",
                  {S::PressInside, S::MoveOutside, S::ExpectNotPushed, S::ReleaseOutside},
                  0},
        CycleCase{"CaptureLost",
                  {S::PressInside, S::LoseCapture, S::ExpectNotPushed, S::ReleaseInside},
                  0},
        CycleCase{
            "FocusLost", {S::PressInside, S::LoseFocus, S::ExpectNotPushed, S::ReleaseInside}, 0},
        CycleCase{
            "CancelMode", {S::PressInside, S::CancelMode, S::ExpectNotPushed, S::ReleaseInside}, 0},
        CycleCase{"PressedElsewhere", {S::PressOutside, S::ReleaseInside, S::ExpectNotPushed}, 0},
        CycleCase{"MoveWithoutPress", {S::MoveInside, S::ExpectNotPushed}, 0},
        CycleCase{"RightButton", {S::RightClick, S::ExpectNotPushed}, 0},
        CycleCase{"MiddleButton", {S::MiddleClick, S::ExpectNotPushed}, 0}),
    [](const testing::TestParamInfo<CycleCase>& info) { return info.param.name; });

TEST(PushButton, DoubleClickIsTwoClicks) {
    Session s;
    s.then([](Session&) { clearLog(); });
    s.doubleClick(kCentre.x, kCentre.y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(countOf(button(), WM_LBUTTONDBLCLK), 1);
        EXPECT_EQ(clicks(), 2);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

TEST(PushButton, ClickTakesTheFocus) {
    Session s;
    s.click(kCentre.x, kCentre.y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(GetFocus(), button());
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

// --- disabled ------------------------------------------------------------------------------------

TEST(PushButton, DisabledSendsNothingAndItsPressGoesToTheParent) {
    Session s;
    s.then([](Session&) {
        EnableWindow(button(), FALSE);
        clearLog();
    });
    s.click(kCentre.x, kCentre.y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(clicks(), 0);
        EXPECT_EQ(countOf(button(), WM_LBUTTONDOWN), 0);
        ASSERT_EQ(countOf(mainWindow(), WM_LBUTTONDOWN), 1);
        for (int i = 0; i < logSize(); ++i) {
            const Event& e = logAt(i);
            if (e.to != mainWindow() || e.message != WM_LBUTTONDOWN) continue;
            EXPECT_EQ(LOWORD(e.lParam), kCentre.x);
            EXPECT_EQ(HIWORD(e.lParam), kCentre.y);
        }
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

TEST(PushButton, DisablingWhileHeldCancelsThePress) {
    Session s;
    s.then([](Session&) { clearLog(); });
    s.press(kCentre.x, kCentre.y);
    s.then([](Session&) { EnableWindow(button(), FALSE); });
    s.release(kCentre.x, kCentre.y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(clicks(), 0);
        EXPECT_FALSE(pushed());
        EXPECT_EQ(GetCapture(), nullptr);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

// --- messages ------------------------------------------------------------------------------------

struct MessageCase {
    const char* name;
    bool enabled;
    int clicks;
};

class ClickMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(ClickMessage, ClicksAnEnabledButtonOnly) {
    const MessageCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EnableWindow(button(), c.enabled);
        clearLog();
        SendMessageA(button(), BM_CLICK, 0, 0);
        EXPECT_EQ(clicks(), c.clicks);
        EXPECT_FALSE(pushed());
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(Table, ClickMessage,
                         testing::Values(MessageCase{"Enabled", true, 1},
                                         MessageCase{"Disabled", false, 0}),
                         [](const testing::TestParamInfo<MessageCase>& info) {
                             return info.param.name;
                         });

TEST(PushButton, SetStateShowsPushedWithoutClicking) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        clearLog();
        SendMessageA(button(), BM_SETSTATE, TRUE, 0);
        EXPECT_TRUE(pushed());
        SendMessageA(button(), BM_SETSTATE, FALSE, 0);
        EXPECT_FALSE(pushed());
        EXPECT_EQ(clicks(), 0);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

TEST(PushButton, HasNoCheckMark) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(SendMessageA(button(), BM_SETCHECK, BST_CHECKED, 0), 0);
        EXPECT_EQ(SendMessageA(button(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(mainWindow(), 1), static_cast<UINT>(BST_UNCHECKED));
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

// --- repainting ----------------------------------------------------------------------------------

struct RepaintCase {
    const char* name;
    void (*change)(const Panel&);
    HWND (*repainted)(const Panel&);  // null: nothing changed, nothing to repaint
    RECT area;                        // its update area, in its client coordinates
};

bool isWithin(HWND w, HWND ancestor) {
    for (; w; w = GetParent(w))
        if (w == ancestor) return true;
    return false;
}

class Repaint : public testing::TestWithParam<RepaintCase> {};

TEST_P(Repaint, AChangeOfLookAsksForAPaintOfThatWindowOnly) {
    const RepaintCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        const Panel& p = panel();
        RECT r;
        HWND all[] = {mainWindow(), p.actions,    p.radios[0],  p.radios[1],  p.radios[2],
                      p.info,       p.buttons[0], p.buttons[1], p.buttons[2], p.status};
        for (HWND w : all)
            ASSERT_FALSE(GetUpdateRect(w, &r, FALSE)) << "all painted before";
        c.change(p);
        HWND expected = c.repainted ? c.repainted(p) : nullptr;
        for (HWND w : all)
            if (!isWithin(w, expected)) {
                EXPECT_FALSE(GetUpdateRect(w, &r, FALSE));
            }
        if (!expected) return;
        ASSERT_TRUE(GetUpdateRect(expected, &r, FALSE));
        EXPECT_EQ(r.left, c.area.left);
        EXPECT_EQ(r.top, c.area.top);
        EXPECT_EQ(r.right, c.area.right);
        EXPECT_EQ(r.bottom, c.area.bottom);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Repaint,
    testing::Values(
        RepaintCase{"PushButtonText",
                    [](const Panel& p) { SetWindowTextA(p.buttons[0], "Other"); },
                    [](const Panel& p) { return p.buttons[0]; },
                    {0, 0, 100, 25}},
        RepaintCase{"GroupBoxTextRepaintsWhatLiesBeneath",
                    [](const Panel& p) { SetWindowTextA(p.actions, "Other:"); },
                    [](const Panel&) { return mainWindow(); },
                    {1026, 15, 1176, 179}},
        RepaintCase{"Disabled",
                    [](const Panel& p) { EnableWindow(p.buttons[1], FALSE); },
                    [](const Panel& p) { return p.buttons[1]; },
                    {0, 0, 100, 25}},
        RepaintCase{"CheckChanged",
                    [](const Panel& p) { SendMessageA(p.radios[0], BM_SETCHECK, BST_CHECKED, 0); },
                    [](const Panel& p) { return p.radios[0]; },
                    {0, 0, 280, 20}},
        RepaintCase{"CheckUnchanged",
                    [](const Panel& p) { SendMessageA(p.radios[2], BM_SETCHECK, BST_CHECKED, 0); },
                    nullptr,
                    {}}),
    [](const testing::TestParamInfo<RepaintCase>& info) { return info.param.name; });

}  // namespace
