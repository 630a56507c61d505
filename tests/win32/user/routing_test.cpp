// Where presses go: parent notification, hit-testing, transparency, disabled children,
// clipping, capture and double clicks.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "test_windows.h"
#include "win32/testing/session.h"

using w32::MouseButton;
using w32::testing::Session;

namespace {

struct PressCase {
    const char* name;
    MouseButton button;
    POINT at;
    std::vector<std::string> expected;
};

class PressRouting : public testing::TestWithParam<PressCase> {};

TEST_P(PressRouting, ReachesTheRightWindowsInOrder) {
    const PressCase& c = GetParam();
    Session s;
    s.then([](Session&) { test::log().clear(); })
        .click(c.at.x, c.at.y, c.button)
        .then([&](Session&) { EXPECT_EQ(test::log(), c.expected); });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

const PressCase pressCases[] = {
    {"grandchild",
     MouseButton::Left,
     {165, 35},
     {"A PARENTNOTIFY(LBUTTONDOWN) 155,25", "main PARENTNOTIFY(LBUTTONDOWN) 165,35",
      "G LBUTTONDOWN 5,5", "G LBUTTONUP 5,5"}},
    {"grandchild_right_button",
     MouseButton::Right,
     {165, 35},
     {"A PARENTNOTIFY(RBUTTONDOWN) 155,25", "main PARENTNOTIFY(RBUTTONDOWN) 165,35",
      "G RBUTTONDOWN 5,5", "G RBUTTONUP 5,5"}},
    {"child_middle_button",
     MouseButton::Middle,
     {20, 150},
     {"main PARENTNOTIFY(MBUTTONDOWN) 20,150", "A MBUTTONDOWN 10,140", "A MBUTTONUP 10,140"}},
    {"main_window_itself",
     MouseButton::Left,
     {5, 300},
     {"main LBUTTONDOWN 5,300", "main LBUTTONUP 5,300"}},
    {"part_of_a_child_cut_off_by_its_parent",
     MouseButton::Left,
     {215, 35},
     {"main LBUTTONDOWN 215,35", "main LBUTTONUP 215,35"}},
    {"transparent_window_lets_the_press_through",
     MouseButton::Left,
     {255, 15},
     {"main LBUTTONDOWN 255,15", "main LBUTTONUP 255,15"}},
    {"child_of_a_transparent_window",
     MouseButton::Left,
     {265, 35},
     {"T PARENTNOTIFY(LBUTTONDOWN) 15,25", "main PARENTNOTIFY(LBUTTONDOWN) 265,35",
      "TC LBUTTONDOWN 5,5", "TC LBUTTONUP 5,5"}},
    {"sibling_below_a_transparent_window",
     MouseButton::Left,
     {320, 110},
     {"main PARENTNOTIFY(LBUTTONDOWN) 320,110", "U LBUTTONDOWN 20,10", "U LBUTTONUP 20,10"}},
    {"disabled_child_hands_the_press_to_its_parent",
     MouseButton::Left,
     {260, 210},
     {"main LBUTTONDOWN 260,210", "main LBUTTONUP 260,210"}},
    {"child_without_parent_notification",
     MouseButton::Left,
     {330, 210},
     {"Q LBUTTONDOWN 10,10", "Q LBUTTONUP 10,10"}},
};

INSTANTIATE_TEST_SUITE_P(Table, PressRouting, testing::ValuesIn(pressCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Capture, ReleaseOutsideStillReachesTheCapturingWindow) {
    Session s;
    s.then([](Session&) { test::log().clear(); })
        .press(110, 260)
        .release(400, 300)
        .then([](Session&) {
            EXPECT_EQ(test::log(),
                      (std::vector<std::string>{"main PARENTNOTIFY(LBUTTONDOWN) 110,260",
                                                "C LBUTTONDOWN 10,10", "C LBUTTONUP 300,50"}));
            EXPECT_EQ(GetCapture(), nullptr);
        });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

struct DoubleClickCase {
    const char* name;
    POINT first;
    POINT second;
    std::uint32_t gap;
    MouseButton secondButton;
    std::string secondPress;  // what the second press arrives as
};

class DoubleClick : public testing::TestWithParam<DoubleClickCase> {};

TEST_P(DoubleClick, SecondPress) {
    const DoubleClickCase& c = GetParam();
    Session s;
    s.click(c.first.x, c.first.y)
        .wait(c.gap)
        .then([](Session&) { test::log().clear(); })
        .press(c.second.x, c.second.y, c.secondButton)
        .then([&](Session&) {
            ASSERT_FALSE(test::log().empty());
            EXPECT_EQ(test::log().back(), c.secondPress);
        });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

// The box is 4 x 4 pixels centred on the first press, half-open like a RECT: -2..+1.
const DoubleClickCase doubleClickCases[] = {
    {"same_spot", {5, 300}, {5, 300}, 100, MouseButton::Left, "main LBUTTONDBLCLK 5,300"},
    {"at_the_time_limit", {5, 300}, {5, 300}, 500, MouseButton::Left, "main LBUTTONDBLCLK 5,300"},
    {"too_late", {5, 300}, {5, 300}, 501, MouseButton::Left, "main LBUTTONDOWN 5,300"},
    {"inside_the_box", {5, 300}, {6, 301}, 100, MouseButton::Left, "main LBUTTONDBLCLK 6,301"},
    {"box_left_edge", {5, 300}, {3, 298}, 100, MouseButton::Left, "main LBUTTONDBLCLK 3,298"},
    {"box_right_edge_is_out", {5, 300}, {7, 300}, 100, MouseButton::Left, "main LBUTTONDOWN 7,300"},
    {"box_bottom_edge_is_out",
     {5, 300},
     {5, 302},
     100,
     MouseButton::Left,
     "main LBUTTONDOWN 5,302"},
    {"other_button", {5, 300}, {5, 300}, 100, MouseButton::Right, "main RBUTTONDOWN 5,300"},
    {"other_window", {9, 100}, {10, 100}, 100, MouseButton::Left, "A LBUTTONDOWN 0,90"},
    {"class_without_double_clicks",
     {30, 260},
     {30, 260},
     100,
     MouseButton::Left,
     "P LBUTTONDOWN 10,10"},
    {"child_gets_it_after_the_notification",
     {20, 150},
     {20, 150},
     100,
     MouseButton::Left,
     "A LBUTTONDBLCLK 10,140"},
};

INSTANTIATE_TEST_SUITE_P(Table, DoubleClick, testing::ValuesIn(doubleClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DoubleClick, NotifiesTheParentAsAPress) {
    Session s;
    s.click(20, 150)
        .wait(100)
        .then([](Session&) { test::log().clear(); })
        .press(20, 150)
        .then([](Session&) {
            EXPECT_EQ(test::log(),
                      (std::vector<std::string>{"main PARENTNOTIFY(LBUTTONDOWN) 20,150",
                                                "A LBUTTONDBLCLK 10,140"}));
        });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

TEST(DoubleClick, AThirdQuickPressIsAPressAgain) {
    Session s;
    s.click(5, 300).wait(100).click(5, 300).wait(100).then([](Session&) { test::log().clear(); });
    s.press(5, 300).then([](Session&) {
        EXPECT_EQ(test::log(), (std::vector<std::string>{"main LBUTTONDOWN 5,300"}));
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

}  // namespace
