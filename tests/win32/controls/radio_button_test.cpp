// Automatic radio buttons: a click checks one and clears the others of its group; only the left
// button clicks; BM_SETCHECK and CheckRadioButton set marks without telling anyone.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "harness.h"
#include "win32/testing/session.h"

using namespace controls_test;
using w32::MouseButton;
using w32::testing::Session;

namespace {

using Checks = std::array<int, 3>;

Checks checks() {
    Checks c{};
    for (int i = 0; i < 3; ++i)
        c[i] = Session::checked(panel().radios[i]) ? 1 : 0;
    return c;
}

void runPanel(Session& s) {
    Scene scene;
    scene.build = buildPanel;
    setScene(scene);
    s.run(testWinMain);
}

int notificationsFrom(int radio) {
    return commandsTo(panel().actions, MAKEWPARAM(kRadioIds[radio], BN_CLICKED));
}

// Every BN_CLICKED names its sender in lParam.
void expectSendersNamed(HWND parent) {
    for (int i = 0; i < logSize(); ++i) {
        const Event& e = logAt(i);
        if (e.to != parent || e.message != WM_COMMAND) continue;
        EXPECT_EQ(reinterpret_cast<HWND>(e.lParam), GetDlgItem(parent, LOWORD(e.wParam)));
    }
}

// --- left clicks ---------------------------------------------------------------------------------

struct ClickCase {
    const char* name;
    std::vector<int> clicked;  // radio indices, one click each, far apart in time
    Checks expected;
};

class RadioClicks : public testing::TestWithParam<ClickCase> {};

TEST_P(RadioClicks, CheckTheClickedOneClearTheOthersAndNotifyTheGroupBox) {
    const ClickCase& c = GetParam();
    Session s;
    s.then([](Session&) {
        ASSERT_EQ(checks(), (Checks{0, 0, 1}));
        clearLog();
    });
    for (int i : c.clicked)
        s.click(kRadioCentre[i].x, kRadioCentre[i].y).wait(1000);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(checks(), c.expected);
        for (int r = 0; r < 3; ++r) {
            int times = 0;
            for (int i : c.clicked)
                times += i == r ? 1 : 0;
            EXPECT_EQ(notificationsFrom(r), times) << "radio " << kRadioIds[r];
        }
        expectSendersNamed(panel().actions);
        EXPECT_EQ(countOf(mainWindow(), WM_COMMAND), 0) << "the group box is their parent";
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(Table, RadioClicks,
                         testing::Values(ClickCase{"First", {0}, {1, 0, 0}},
                                         ClickCase{"Second", {1}, {0, 1, 0}},
                                         ClickCase{"AlreadyChecked", {2}, {0, 0, 1}},
                                         ClickCase{"OneAfterAnother", {0, 1}, {0, 1, 0}},
                                         ClickCase{"ThereAndBack", {1, 0}, {1, 0, 0}},
                                         ClickCase{"AllInTurn", {0, 1, 2}, {0, 0, 1}},
                                         ClickCase{"SameOneTwice", {0, 0}, {1, 0, 0}}),
                         [](const testing::TestParamInfo<ClickCase>& info) {
                             return info.param.name;
                         });

// --- presses that are no click -------------------------------------------------------------------

struct NoClickCase {
    const char* name;
    std::function<void(Session&)> script;
    UINT reachedRadio;  // the message the first radio button must have got, 0 for none
};

const POINT kOutside{500, 300};  // on the main window, far from every control

class RadioNoClick : public testing::TestWithParam<NoClickCase> {};

TEST_P(RadioNoClick, ChecksNothingAndSendsNothing) {
    const NoClickCase& c = GetParam();
    Session s;
    s.then([](Session&) { clearLog(); });
    c.script(s);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(checks(), (Checks{0, 0, 1}));
        EXPECT_EQ(countOf(panel().actions, WM_COMMAND), 0);
        if (c.reachedRadio) {
            EXPECT_EQ(countOf(panel().radios[0], c.reachedRadio), 1);
        }
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RadioNoClick,
    testing::Values(
        NoClickCase{"RightClick", [](Session& s) { s.click(1103, 65, MouseButton::Right); },
                    WM_RBUTTONDOWN},
        NoClickCase{"MiddleClick", [](Session& s) { s.click(1103, 65, MouseButton::Middle); },
                    WM_MBUTTONDOWN},
        NoClickCase{"ReleasedOutside",
                    [](Session& s) { s.press(1103, 65).release(kOutside.x, kOutside.y); },
                    WM_LBUTTONDOWN},
        NoClickCase{"PressedOutsideReleasedOver",
                    [](Session& s) { s.press(kOutside.x, kOutside.y).release(1103, 65); },
                    WM_LBUTTONUP}),
    [](const testing::TestParamInfo<NoClickCase>& info) { return info.param.name; });

// --- double click --------------------------------------------------------------------------------

TEST(RadioButton, DoubleClickActsAsASecondPress) {
    Session s;
    s.then([](Session&) { clearLog(); });
    s.doubleClick(kRadioCentre[0].x, kRadioCentre[0].y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(countOf(panel().radios[0], WM_LBUTTONDBLCLK), 1);
        EXPECT_EQ(checks(), (Checks{1, 0, 0}));
        EXPECT_EQ(notificationsFrom(0), 2);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

// --- marks set by the program --------------------------------------------------------------------

struct SetCheckCase {
    const char* name;
    void (*apply)(const Panel&);
    Checks expected;
};

class RadioSetCheck : public testing::TestWithParam<SetCheckCase> {};

TEST_P(RadioSetCheck, ChangesMarksWithoutNotifications) {
    const SetCheckCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        clearLog();
        c.apply(panel());
        EXPECT_EQ(checks(), c.expected);
        EXPECT_EQ(countOf(panel().actions, WM_COMMAND), 0);
        EXPECT_EQ(countOf(mainWindow(), WM_COMMAND), 0);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RadioSetCheck,
    testing::Values(
        SetCheckCase{"CheckRadioButtonWholeRange",
                     [](const Panel& p) { CheckRadioButton(p.actions, 102, 107, 102); },
                     {1, 0, 0}},
        SetCheckCase{"CheckRadioButtonPartOfTheRange",
                     [](const Panel& p) { CheckRadioButton(p.actions, 102, 103, 103); },
                     {0, 1, 1}},
        SetCheckCase{"SetCheckClearsNoOther",
                     [](const Panel& p) { SendMessageA(p.radios[0], BM_SETCHECK, BST_CHECKED, 0); },
                     {1, 0, 1}},
        SetCheckCase{
            "SetCheckClears",
            [](const Panel& p) { SendMessageA(p.radios[2], BM_SETCHECK, BST_UNCHECKED, 0); },
            {0, 0, 0}},
        SetCheckCase{"IndeterminateIsUnchecked",
                     [](const Panel& p) { SendMessageA(p.radios[2], BM_SETCHECK, 2, 0); },
                     {0, 0, 0}}),
    [](const testing::TestParamInfo<SetCheckCase>& info) { return info.param.name; });

TEST(RadioButton, IsDlgButtonCheckedReadsTheMark) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(IsDlgButtonChecked(panel().actions, 107), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(panel().actions, 102), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(SendMessageA(panel().radios[2], BM_GETSTATE, 0, 0), BST_CHECKED);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

// --- groups marked with WS_GROUP -----------------------------------------------------------------

// Five radio buttons in two groups: {0, 1, 2} and {3, 4}. Number 2 is a plain radio button,
// which a click does not check and a neighbour's click does not clear.
constexpr int kGrouped = 5;
using GroupChecks = std::array<int, kGrouped>;
HWND grouped[kGrouped];
GroupChecks initialChecks;

void buildGroups(HWND main) {
    for (int i = 0; i < kGrouped; ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | (i == 2 ? BS_RADIOBUTTON : BS_AUTORADIOBUTTON);
        if (i == 0 || i == 3) style |= WS_GROUP;
        grouped[i] = CreateWindowExA(0, "Button", "choice", style, 20, 20 + 30 * i, 150, 20, main,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(200 + i)),
                                     nullptr, nullptr);
        SendMessageA(grouped[i], BM_SETCHECK, initialChecks[i], 0);
    }
}

struct GroupCase {
    const char* name;
    GroupChecks initial;
    int clicked;
    GroupChecks expected;
};

class RadioGroups : public testing::TestWithParam<GroupCase> {};

TEST_P(RadioGroups, ClickClearsOnlyTheAutomaticButtonsOfItsGroup) {
    const GroupCase& c = GetParam();
    Session s;
    s.then([](Session&) { clearLog(); });
    s.click(80, 30 + 30 * c.clicked);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        for (int i = 0; i < kGrouped; ++i)
            EXPECT_EQ(Session::checked(grouped[i]) ? 1 : 0, c.expected[i]) << "button " << i;
        EXPECT_EQ(commandsTo(mainWindow(), MAKEWPARAM(200 + c.clicked, BN_CLICKED)), 1);
    });
    initialChecks = c.initial;
    Scene scene;
    scene.build = buildGroups;
    setScene(scene);
    s.run(testWinMain);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RadioGroups,
    testing::Values(GroupCase{"FirstOfFirst", {1, 1, 1, 1, 1}, 0, {1, 0, 1, 1, 1}},
                    GroupCase{"SecondOfFirst", {1, 1, 1, 1, 1}, 1, {0, 1, 1, 1, 1}},
                    GroupCase{"Plain", {1, 1, 0, 1, 1}, 2, {1, 1, 0, 1, 1}},
                    GroupCase{"FirstOfSecond", {1, 1, 1, 1, 1}, 3, {1, 1, 1, 1, 0}},
                    GroupCase{"SecondOfSecond", {1, 1, 1, 1, 1}, 4, {1, 1, 1, 0, 1}}),
    [](const testing::TestParamInfo<GroupCase>& info) { return info.param.name; });

}  // namespace
