// Classes, creation and destruction, handles, the tree queries and the quit message.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "test_windows.h"
#include "win32/testing/session.h"

using w32::testing::Session;
using Lines = std::vector<std::string>;

namespace {

struct ClassCase {
    const char* name;
    UINT cbSize;
    const char* className;
    bool withProc;
    bool accepted;
};

class RegisterClass : public testing::TestWithParam<ClassCase> {};

const ClassCase* currentClass = nullptr;
ATOM registered = 0;

TEST_P(RegisterClass, AcceptsOnlyAWellFormedNewName) {
    currentClass = &GetParam();
    Session s;
    s.run([](HINSTANCE instance, HINSTANCE, LPSTR, int) -> int {
        test::registerTestClasses(instance);  // "Recorder" and "Plain" are taken
        WNDCLASSEXA wc{};
        wc.cbSize = currentClass->cbSize;
        wc.lpfnWndProc = currentClass->withProc ? test::recordingProc : nullptr;
        wc.lpszClassName = currentClass->className;
        registered = RegisterClassExA(&wc);
        return 0;
    });
    EXPECT_EQ(registered != 0, currentClass->accepted);
}

const ClassCase classCases[] = {
    {"new_name", sizeof(WNDCLASSEXA), "Fresh", true, true},
    {"wrong_size", sizeof(WNDCLASSEXA) - 4, "Fresh", true, false},
    {"empty_name", sizeof(WNDCLASSEXA), "", true, false},
    {"no_name", sizeof(WNDCLASSEXA), nullptr, true, false},
    {"no_procedure", sizeof(WNDCLASSEXA), "Fresh", false, false},
    {"duplicate", sizeof(WNDCLASSEXA), "Recorder", true, false},
    {"duplicate_in_other_case", sizeof(WNDCLASSEXA), "RECORDER", true, false},
    {"predefined_button", sizeof(WNDCLASSEXA), "button", true, false},
};

INSTANTIATE_TEST_SUITE_P(Table, RegisterClass, testing::ValuesIn(classCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CreateWindow, SendsCreationMessagesThenNotifiesAncestors) {
    Session s;
    s.then([](Session& session) {
        test::log().clear();
        HWND a = session.find("A");
        test::child(a, "N", 0, 0, 10, 10);
        EXPECT_EQ(test::log(), (Lines{"N NCCREATE", "N CREATE", "A PARENTNOTIFY(CREATE) N",
                                      "main PARENTNOTIFY(CREATE) N"}));
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

TEST(CreateWindow, RefusesAChildWithoutParentAndAnUnknownClass) {
    Session s;
    s.then([](Session& session) {
        EXPECT_EQ(CreateWindowExA(0, "Recorder", "x", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr,
                                  nullptr, nullptr),
                  nullptr);
        EXPECT_EQ(CreateWindowExA(0, "Nowhere", "x", WS_CHILD, 0, 0, 1, 1, session.mainWindow(),
                                  nullptr, nullptr, nullptr),
                  nullptr);
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

TEST(DestroyWindow, NotifiesTheParentThenDestroysTheWindowBeforeItsChildren) {
    Session s;
    s.then([](Session& session) {
        test::log().clear();
        HWND a = session.find("A");
        HWND g = session.find("G");
        EXPECT_TRUE(DestroyWindow(a));
        EXPECT_EQ(test::log(), (Lines{"main PARENTNOTIFY(DESTROY) A", "A DESTROY", "G DESTROY"}));
        EXPECT_FALSE(IsWindow(a));
        EXPECT_FALSE(IsWindow(g));
        EXPECT_FALSE(DestroyWindow(a));
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

TEST(Handles, AStaleHandleStaysInvalidWhenItsSlotIsReused) {
    Session s;
    s.then([](Session& session) {
        HWND a = session.find("A");
        DestroyWindow(a);
        // Creating enough windows reuses every free slot, the old one included.
        for (int i = 0; i < 20; ++i)
            test::child(session.mainWindow(), "new", 0, 0, 1, 1);
        EXPECT_FALSE(IsWindow(a));
        EXPECT_EQ(GetWindowLongA(a, GWL_ID), 0);
        EXPECT_EQ(SendMessageA(a, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_EQ(GetParent(a), nullptr);
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

TEST(CloseBox, DestroysTheMainWindowBeforeItsChildrenAndEndsTheLoop) {
    Session s;
    s.then([](Session&) { test::log().clear(); }).close().then([](Session&) {});
    EXPECT_EQ(s.run(test::worldMain), 0);
    ASSERT_FALSE(test::log().empty());
    EXPECT_EQ(test::log().front(), "main DESTROY");
}

TEST(Quit, ComesAfterThePostedMessagesWithItsCode) {
    Session s;
    s.then([](Session& session) {
        test::log().clear();
        PostQuitMessage(3);
        PostMessageA(session.mainWindow(), WM_USER, 0, 0);
    });
    EXPECT_EQ(s.run(test::worldMain), 3);
    // The windows left are destroyed only after WinMain returns.
    ASSERT_GE(test::log().size(), 2u);
    EXPECT_EQ(test::log()[0], "main USER");
    EXPECT_EQ(test::log()[1], "main DESTROY");
}

struct PointCase {
    const char* name;
    const char* parent;
    POINT at;
    const char* expected;  // window text, or nullptr for NULL
};

class ChildFromPoint : public testing::TestWithParam<PointCase> {};

TEST_P(ChildFromPoint, FindsImmediateChildrenOnly) {
    const PointCase& c = GetParam();
    Session s;
    s.then([&](Session& session) {
        HWND parent =
            std::string(c.parent) == "main" ? session.mainWindow() : session.find(c.parent);
        ShowWindow(session.find("U"), SW_HIDE);
        HWND hit = ChildWindowFromPoint(parent, c.at);
        if (!c.expected)
            EXPECT_EQ(hit, nullptr);
        else
            EXPECT_EQ(Session::text(hit), c.expected);
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

const PointCase pointCases[] = {
    {"child", "main", {20, 150}, "A"},
    {"grandchild_gives_its_parent", "main", {165, 35}, "A"},
    {"disabled_child_counts", "main", {260, 210}, "D"},
    {"transparent_child_counts", "main", {255, 15}, "T"},
    {"hidden_child_counts", "main", {320, 110}, "T"},
    {"no_child_gives_the_parent", "main", {5, 300}, "main"},
    {"frame_gives_the_parent", "main", {-2, 5}, "main"},
    {"outside_gives_null", "main", {500, 5}, nullptr},
    {"in_a_child_window", "T", {15, 25}, "TC"},
    {"child_window_without_hit", "T", {149, 149}, "T"},
    {"right_edge_is_outside", "T", {150, 10}, nullptr},
    {"negative_is_outside", "T", {-1, 10}, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Table, ChildFromPoint, testing::ValuesIn(pointCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnableWindow, ReportsWhetherTheWindowWasDisabled) {
    Session s;
    s.then([](Session& session) {
        HWND d = session.find("D");
        EXPECT_FALSE(IsWindowEnabled(d));
        EXPECT_NE(EnableWindow(d, TRUE), 0);
        EXPECT_TRUE(IsWindowEnabled(d));
        EXPECT_EQ(EnableWindow(d, TRUE), 0);
        EXPECT_EQ(EnableWindow(d, FALSE), 0);
        EXPECT_NE(EnableWindow(d, FALSE), 0);
        EXPECT_EQ(EnableWindow(nullptr, FALSE), 0);
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

TEST(TopLevelWindow, HasTheClassicClientSize) {
    Session s;
    s.then([](Session& session) {
        RECT client, outer;
        GetClientRect(session.mainWindow(), &client);
        GetWindowRect(session.mainWindow(), &outer);
        EXPECT_EQ(client.right, 414);
        EXPECT_EQ(client.bottom, 320);
        EXPECT_EQ(outer.right - outer.left, 420);
        EXPECT_EQ(outer.bottom - outer.top, 345);
    });
    EXPECT_EQ(s.run(test::worldMain), 0);
}

}  // namespace
