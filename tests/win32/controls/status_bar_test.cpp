// The status bar: placed along the bottom of its parent whatever it was created with, parts and
// their texts (kept as copies, cut to fit), the observer told of changes, the size grip.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "harness.h"
#include "win32/testing/session.h"

using namespace controls_test;
using w32::testing::Session;

namespace {

constexpr int kPartCapacity = 32;  // what the status bar keeps
constexpr int kTextCapacity = 255;

void runPanel(Session& s) {
    Scene scene;
    scene.build = buildPanel;
    setScene(scene);
    s.run(testWinMain);
}

HWND bar() {
    return panel().status;
}

RECT rectInParent(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    ScreenToClient(GetParent(w), &corners[0]);
    ScreenToClient(GetParent(w), &corners[1]);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void expectRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

// --- placement -----------------------------------------------------------------------------------

struct PlacementCase {
    const char* name;
    RECT created;  // x, y, width, height as passed to CreateWindowExA
};

RECT createdWith;
HWND placed;

class StatusBarPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(StatusBarPlacement, IgnoresItsCreationGeometry) {
    createdWith = GetParam().created;
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        expectRect(rectInParent(placed), {0, 615, 1214, 635});
    });
    Scene scene;
    scene.build = [](HWND main) {
        const RECT& c = createdWith;
        placed = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, c.left, c.top,
                                 c.right, c.bottom, main, nullptr, nullptr, nullptr);
    };
    setScene(scene);
    s.run(testWinMain);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(Table, StatusBarPlacement,
                         testing::Values(PlacementCase{"Zero", {0, 0, 0, 0}},
                                         PlacementCase{"Elsewhere", {10, 10, 300, 300}},
                                         PlacementCase{"Negative", {-50, -50, -5, -5}}),
                         [](const testing::TestParamInfo<PlacementCase>& info) {
                             return info.param.name;
                         });

// A parent that changes size forwards its WM_SIZE; the bar follows.
HWND pane;
HWND paneBar;

LRESULT CALLBACK paneProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && paneBar) SendMessageA(paneBar, WM_SIZE, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(StatusBar, FollowsItsParentsSize) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        expectRect(rectInParent(paneBar), {0, 180, 400, 200});
        MoveWindow(pane, 10, 10, 300, 150, TRUE);
        expectRect(rectInParent(paneBar), {0, 130, 300, 150});
    });
    Scene scene;
    scene.build = [](HWND main) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = paneProc;
        wc.lpszClassName = "Pane";
        RegisterClassExA(&wc);
        pane = CreateWindowExA(0, "Pane", "", WS_CHILD | WS_VISIBLE, 10, 10, 400, 200, main,
                               nullptr, nullptr, nullptr);
        paneBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pane,
                                  nullptr, nullptr, nullptr);
    };
    setScene(scene);
    s.run(testWinMain);
    EXPECT_TRUE(checked);
}

// --- parts ---------------------------------------------------------------------------------------

struct PartsCase {
    const char* name;
    std::vector<int> rights;
    bool nullArray;
    BOOL accepted;
    std::vector<int> after;  // SB_GETPARTS afterwards
};

class StatusBarParts : public testing::TestWithParam<PartsCase> {};

TEST_P(StatusBarParts, SetAndGet) {
    const PartsCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        const int* rights = c.nullArray ? nullptr : c.rights.data();
        EXPECT_EQ(
            SendMessageA(bar(), SB_SETPARTS, c.rights.size(), reinterpret_cast<LPARAM>(rights)),
            c.accepted);
        int out[kPartCapacity + 1] = {};
        LRESULT count =
            SendMessageA(bar(), SB_GETPARTS, kPartCapacity + 1, reinterpret_cast<LPARAM>(out));
        EXPECT_EQ(std::vector<int>(out, out + count), c.after);
        EXPECT_EQ(SendMessageA(bar(), SB_GETPARTS, 0, 0), count) << "a null array gets the count";
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

std::vector<int> ascending(int n) {
    std::vector<int> v;
    for (int i = 1; i <= n; ++i)
        v.push_back(10 * i);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatusBarParts,
    testing::Values(
        PartsCase{"Three", {100, 300, -1}, false, TRUE, {100, 300, -1}},
        PartsCase{"One", {-1}, false, TRUE, {-1}},
        PartsCase{"AtCapacity", ascending(kPartCapacity), false, TRUE, ascending(kPartCapacity)},
        PartsCase{"AboveCapacity", ascending(kPartCapacity + 1), false, FALSE, {200, -1}},
        PartsCase{"None", {}, false, FALSE, {200, -1}},
        PartsCase{"NullArray", {100, -1}, true, FALSE, {200, -1}}),
    [](const testing::TestParamInfo<PartsCase>& info) { return info.param.name; });

// --- texts ---------------------------------------------------------------------------------------

struct TextCase {
    const char* name;
    WPARAM wParam;  // part and drawing type
    std::string text;
    bool nullText;
    BOOL accepted;
    int part;           // read back from here
    std::string shown;  // what it holds afterwards
    WORD type;
};

const std::string kLong(400, 'x');

class StatusBarText : public testing::TestWithParam<TextCase> {};

TEST_P(StatusBarText, SetAndReadBack) {
    const TextCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        const char* text = c.nullText ? nullptr : c.text.c_str();
        EXPECT_EQ(SendMessageA(bar(), SB_SETTEXTA, c.wParam, reinterpret_cast<LPARAM>(text)),
                  c.accepted);
        LRESULT length = SendMessageA(bar(), SB_GETTEXTLENGTHA, c.part, 0);
        EXPECT_EQ(LOWORD(length), c.shown.size());
        EXPECT_EQ(HIWORD(length), c.type);
        std::string buffer(kTextCapacity + 2, '#');
        LRESULT got =
            SendMessageA(bar(), SB_GETTEXTA, c.part, reinterpret_cast<LPARAM>(buffer.data()));
        EXPECT_EQ(got, length);
        EXPECT_EQ(std::string(buffer.c_str()), c.shown);
        EXPECT_EQ(buffer[c.shown.size() + 1], '#') << "nothing written past the zero";
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatusBarText,
    testing::Values(TextCase{"First", 0, " Hello", false, TRUE, 0, " Hello", 0},
                    TextCase{"Second", 1, " Selectati", false, TRUE, 1, " Selectati", 0},
                    TextCase{"Blank", 1, " ", false, TRUE, 1, " ", 0},
                    TextCase{"Null", 1, "", true, TRUE, 1, "", 0},
                    TextCase{"PopOut", 0x0201, "up", false, TRUE, 1, "up", 0x0200},
                    TextCase{"NoBorders", 0x0100, "flat", false, TRUE, 0, "flat", 0x0100},
                    TextCase{"Cut", 1, kLong, false, TRUE, 1, kLong.substr(0, kTextCapacity), 0},
                    TextCase{"NoSuchPart", 2, "lost", false, FALSE, 1, " Ready", 0},
                    TextCase{"SimpleModePart", 255, "simple", false, FALSE, 0, " Win32 Application",
                             0}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(StatusBar, KeepsItsOwnCopy) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        char buffer[] = " first";
        SendMessageA(bar(), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(buffer));
        buffer[1] = 'X';
        EXPECT_EQ(Session::statusText(bar(), 1), " first");
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

TEST(StatusBar, UnknownPartsReadEmpty) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(SendMessageA(bar(), SB_GETTEXTLENGTHA, 5, 0), 0);
        char buffer[4] = "abc";
        EXPECT_EQ(SendMessageA(bar(), SB_GETTEXTA, 5, reinterpret_cast<LPARAM>(buffer)), 0);
        EXPECT_STREQ(buffer, "abc") << "left untouched";
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

TEST(StatusBar, FewerPartsDropTheTextsOfTheRest) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        int one[1] = {-1};
        SendMessageA(bar(), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(one));
        int two[2] = {200, -1};
        SendMessageA(bar(), SB_SETPARTS, 2, reinterpret_cast<LPARAM>(two));
        EXPECT_EQ(Session::statusText(bar(), 0), " Win32 Application");
        EXPECT_EQ(Session::statusText(bar(), 1), "");
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

// --- the observer and repainting -----------------------------------------------------------------

struct StatusWatcher : w32::Observer {
    std::vector<std::pair<int, std::string>> seen;
    void statusTextChanged(HWND statusBar, int part, const char* text) override {
        if (statusBar == bar()) seen.emplace_back(part, text);
    }
};

TEST(StatusBar, TellsTheObserverOfEachChange) {
    Session s;
    StatusWatcher watcher;
    s.watch(&watcher);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        using Seen = std::vector<std::pair<int, std::string>>;
        EXPECT_EQ(watcher.seen, (Seen{{0, " Win32 Application"}, {1, " Ready"}}));
        watcher.seen.clear();
        SendMessageA(bar(), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(" Selectati"));
        SendMessageA(bar(), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(" Selectati"));
        SendMessageA(bar(), SB_SETTEXTA, 0x0201, reinterpret_cast<LPARAM>(" Selectati"));
        SendMessageA(bar(), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(kLong.c_str()));
        SendMessageA(bar(), SB_SETTEXTA, 4, reinterpret_cast<LPARAM>("no such part"));
        EXPECT_EQ(watcher.seen, (Seen{{1, " Selectati"}, {1, kLong.substr(0, kTextCapacity)}}));
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

TEST(StatusBar, NewTextRepaintsOnlyItsPart) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        RECT r;
        ASSERT_FALSE(GetUpdateRect(bar(), &r, FALSE));
        SendMessageA(bar(), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(" other"));
        ASSERT_TRUE(GetUpdateRect(bar(), &r, FALSE));
        expectRect(r, {200, 0, 1214, 20});
        ValidateRect(bar(), nullptr);
        SendMessageA(bar(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(" other"));
        ASSERT_TRUE(GetUpdateRect(bar(), &r, FALSE));
        expectRect(r, {0, 0, 200, 20});
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

// --- the size grip -------------------------------------------------------------------------------

struct GripCase {
    const char* name;
    POINT at;  // status bar client coordinates
    LRESULT expected;
};

class StatusBarGrip : public testing::TestWithParam<GripCase> {};

TEST_P(StatusBarGrip, HitTest) {
    const GripCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        POINT p = c.at;
        ClientToScreen(bar(), &p);
        EXPECT_EQ(SendMessageA(bar(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), c.expected);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(Table, StatusBarGrip,
                         testing::Values(GripCase{"Corner", {1213, 19}, HTBOTTOMRIGHT},
                                         GripCase{"GripTopLeft", {1194, 0}, HTBOTTOMRIGHT},
                                         GripCase{"LeftOfGrip", {1193, 10}, HTCLIENT},
                                         GripCase{"FirstPart", {100, 10}, HTCLIENT}),
                         [](const testing::TestParamInfo<GripCase>& info) {
                             return info.param.name;
                         });

TEST(StatusBar, WithoutTheGripStyleAllIsClient) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        SetWindowLongA(bar(), GWL_STYLE, GetWindowLongA(bar(), GWL_STYLE) & ~SBARS_SIZEGRIP);
        POINT p{1213, 19};
        ClientToScreen(bar(), &p);
        EXPECT_EQ(SendMessageA(bar(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCLIENT);
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

TEST(StatusBar, APressOnTheGripReachesNoWindow) {
    Session s;
    s.then([](Session&) { clearLog(); });
    s.click(1210, 630);
    s.click(100, 625);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(countOf(mainWindow(), WM_LBUTTONDOWN), 0);
        EXPECT_EQ(countOf(bar(), WM_LBUTTONDOWN), 1) << "only the press on the first part";
    });
    runPanel(s);
    EXPECT_TRUE(checked);
}

}  // namespace
