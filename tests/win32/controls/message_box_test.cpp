// MessageBoxA: a modal box over its owner. Every way of answering it returns IDOK; the owner is
// disabled while it is open, yet its paints go on; the box shows the caption and a copy of the
// text; it sits centred over its owner, on the screen.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"
#include "win32/display/headless/headless_display.h"
#include "win32/testing/session.h"
#include "win32/user/window.h"

using namespace controls_test;
using w32::testing::Session;

namespace {

constexpr POINT kOnOwner{500, 300};

// What the next box shows; afterShow opens it over the main window.
const char* boxText = "Heap corect";
const char* boxCaption = "Verificare";
enum class Owner { Main, None, Stale };
Owner boxOwner = Owner::Main;

int openBox(HWND main) {
    HWND owner = main;
    if (boxOwner == Owner::None) owner = nullptr;
    if (boxOwner == Owner::Stale) {
        owner = CreateWindowExA(0, "Button", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
        DestroyWindow(owner);
    }
    return MessageBoxA(owner, boxText, boxCaption, MB_OK);
}

void runWithBox(Session& s, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT) {
    Scene scene;
    scene.build = buildPanel;
    scene.afterShow = openBox;
    scene.x = x;
    scene.y = y;
    setScene(scene);
    s.run(testWinMain);
}

// The close box of the front window, as the desktop reports it.
void pressCloseBox(HWND topLevel) {
    w32::InputEvent e;
    e.kind = w32::InputKind::CloseRequest;
    e.surface = w32::user::fromHandle(topLevel)->surface;
    w32::headless::push(e);
}

// A left click on a control of a box: Session::clickOn aims at the main window's surface only.
void clickInBox(HWND box, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(box, &centre);
    w32::InputEvent e;
    e.surface = w32::user::fromHandle(box)->surface;
    e.at = {centre.x, centre.y};
    e.kind = w32::InputKind::ButtonDown;
    w32::headless::push(e);
    e.kind = w32::InputKind::ButtonUp;
    w32::headless::push(e);
}

// --- answering -----------------------------------------------------------------------------------

struct AnswerCase {
    const char* name;
    std::function<void(Session&)> answer;
};

class BoxAnswer : public testing::TestWithParam<AnswerCase> {};

TEST_P(BoxAnswer, ReturnsOkAndEnablesTheOwnerAgain) {
    Session s;
    HWND box = nullptr;
    bool open = false;
    bool closed = false;
    s.then([&](Session& session) {
        open = true;
        box = session.messageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(afterShowResult(), -1) << "MessageBoxA has not returned yet";
        EXPECT_FALSE(Session::enabled(mainWindow()));
        EXPECT_EQ(GetParent(box), mainWindow()) << "owned by it";
        EXPECT_EQ(GetFocus(), box);
    });
    GetParam().answer(s);
    s.then([&](Session& session) {
        closed = true;
        EXPECT_EQ(afterShowResult(), IDOK);
        EXPECT_FALSE(IsWindow(box));
        EXPECT_EQ(session.messageBox(), nullptr);
        EXPECT_TRUE(Session::enabled(mainWindow()));
    });
    runWithBox(s);
    EXPECT_TRUE(open);
    EXPECT_TRUE(closed);
}

INSTANTIATE_TEST_SUITE_P(Table, BoxAnswer,
                         testing::Values(AnswerCase{"Enter", [](Session& s) { s.key(VK_RETURN); }},
                                         AnswerCase{"Space", [](Session& s) { s.key(VK_SPACE); }},
                                         AnswerCase{"Escape", [](Session& s) { s.key(VK_ESCAPE); }},
                                         AnswerCase{"OkButton",
                                                    [](Session& s) {
                                                        s.then([](Session& session) {
                                                            HWND box = session.messageBox();
                                                            clickInBox(box, GetDlgItem(box, IDOK));
                                                        });
                                                        s.click(kOnOwner.x, kOnOwner.y);
                                                    }},
                                         AnswerCase{"CloseBox",
                                                    [](Session& s) {
                                                        s.then([](Session& session) {
                                                            pressCloseBox(session.messageBox());
                                                        });
                                                        s.click(kOnOwner.x, kOnOwner.y);
                                                    }},
                                         AnswerCase{"EnterWhileTheButtonHasTheFocus",
                                                    [](Session& s) {
                                                        s.then([](Session& session) {
                                                            SetFocus(GetDlgItem(
                                                                session.messageBox(), IDOK));
                                                        });
                                                        s.key(VK_RETURN);
                                                    }}),
                         [](const testing::TestParamInfo<AnswerCase>& info) {
                             return info.param.name;
                         });

TEST(MessageBox, OtherKeysLeaveItOpen) {
    Session s;
    s.key('A');
    s.key(VK_ESCAPE + 1);
    bool checked = false;
    s.then([&](Session& session) {
        checked = true;
        EXPECT_NE(session.messageBox(), nullptr);
        EXPECT_EQ(afterShowResult(), -1);
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

// --- the owner while it is open ------------------------------------------------------------------

TEST(MessageBox, APressOnTheDisabledOwnerGoesNowhere) {
    Session s;
    s.then([](Session&) { clearLog(); });
    s.click(kOnOwner.x, kOnOwner.y);
    s.click(kButtonCentre[0].x, kButtonCentre[0].y);
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        for (int i = 0; i < logSize(); ++i) {
            UINT m = logAt(i).message;
            EXPECT_TRUE(m != WM_LBUTTONDOWN && m != WM_LBUTTONUP && m != WM_COMMAND)
                << "message " << m;
        }
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

TEST(MessageBox, TheOwnersPaintsGoOn) {
    Session s;
    bool paintedBefore = true;
    bool repainted = false;
    s.then([&](Session& session) {
        ASSERT_NE(session.messageBox(), nullptr);
        // The owner was shown just before the box opened: its first paint came in the box's loop.
        paintedBefore = countOf(mainWindow(), WM_PAINT) > 0;
        clearLog();
        InvalidateRect(mainWindow(), nullptr, TRUE);
    });
    s.click(kOnOwner.x, kOnOwner.y);  // some input, so the program gets to paint
    s.then([&](Session& session) {
        ASSERT_NE(session.messageBox(), nullptr);
        repainted = countOf(mainWindow(), WM_PAINT) == 1;
    });
    runWithBox(s);
    EXPECT_TRUE(paintedBefore);
    EXPECT_TRUE(repainted);
}

// --- what it shows -------------------------------------------------------------------------------

struct ShowCase {
    const char* name;
    const char* caption;
    const char* text;
    const char* shownCaption;
};

struct BoxWatcher : w32::Observer {
    std::vector<std::string> seen;  // caption, text, caption, text, ...
    void messageBoxOpened(const char* caption, const char* text) override {
        seen.push_back(caption);
        seen.push_back(text);
    }
};

class BoxShows : public testing::TestWithParam<ShowCase> {};

TEST_P(BoxShows, CaptionAndText) {
    const ShowCase& c = GetParam();
    boxCaption = c.caption;
    boxText = c.text;
    Session s;
    BoxWatcher watcher;
    s.watch(&watcher);
    bool checked = false;
    s.then([&](Session& session) {
        checked = true;
        EXPECT_EQ(Session::text(session.messageBox()), c.shownCaption);
        EXPECT_EQ(watcher.seen, (std::vector<std::string>{c.shownCaption, c.text ? c.text : ""}));
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoxShows,
    testing::Values(ShowCase{"Caption", "Verificare", "Heap corect", "Verificare"},
                    ShowCase{"NullCaption", nullptr, "Heap corect", "Error"},
                    ShowCase{"EmptyCaption", "", "Heap corect", ""},
                    ShowCase{"NullText", "Verificare", nullptr, "Verificare"},
                    ShowCase{"Lines", "Verificare", "Nodul 3\nnu are\nproprietatea", "Verificare"}),
    [](const testing::TestParamInfo<ShowCase>& info) { return info.param.name; });

std::vector<w32::Pixel> clientPixels(HWND box) {
    w32::Canvas c = Session::canvas(box);
    std::vector<w32::Pixel> pixels;
    for (int y = 0; y < c.height; ++y)
        pixels.insert(pixels.end(), c.row(y), c.row(y) + c.width);
    return pixels;
}

char callersText[] = "Radacina 17 inregistrata";

TEST(MessageBox, ShowsItsOwnCopyOfTheText) {
    boxText = callersText;
    Session s;
    std::vector<w32::Pixel> before;
    bool checked = false;
    s.then([&](Session& session) {
        before = clientPixels(session.messageBox());
        int ink = 0;
        for (w32::Pixel p : before)
            ink += p == 0x000000 ? 1 : 0;
        EXPECT_GT(ink, 50) << "the text is drawn in black";
        std::fill(std::begin(callersText), std::end(callersText) - 1, 'W');
        InvalidateRect(session.messageBox(), nullptr, TRUE);
    });
    s.click(kOnOwner.x, kOnOwner.y);
    s.then([&](Session& session) {
        checked = true;
        EXPECT_TRUE(clientPixels(session.messageBox()) == before);
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

// --- where it goes -------------------------------------------------------------------------------

enum class Placed { Centred, AtBottomRight, AtTopLeft };

struct PlaceCase {
    const char* name;
    int ownerX, ownerY;
    Placed expected;
};

class BoxPlacement : public testing::TestWithParam<PlaceCase> {};

TEST_P(BoxPlacement, CentredOverTheOwnerAndOnTheScreen) {
    const PlaceCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session& session) {
        checked = true;
        RECT owner, box;
        GetWindowRect(mainWindow(), &owner);
        GetWindowRect(session.messageBox(), &box);
        const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        switch (c.expected) {
            case Placed::Centred:
                EXPECT_NEAR(box.left + box.right, owner.left + owner.right, 1);
                EXPECT_NEAR(box.top + box.bottom, owner.top + owner.bottom, 1);
                break;
            case Placed::AtBottomRight:
                EXPECT_EQ(box.right, screen.right);
                EXPECT_EQ(box.bottom, screen.bottom);
                break;
            case Placed::AtTopLeft:
                EXPECT_EQ(box.left, screen.left);
                EXPECT_EQ(box.top, screen.top);
                break;
        }
    });
    runWithBox(s, c.ownerX, c.ownerY);
    EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoxPlacement,
    testing::Values(PlaceCase{"DefaultPlace", CW_USEDEFAULT, CW_USEDEFAULT, Placed::Centred},
                    PlaceCase{"Elsewhere", 40, 100, Placed::Centred},
                    PlaceCase{"OwnerOffBottomRight", 1000, 700, Placed::AtBottomRight},
                    PlaceCase{"OwnerOffTopLeft", -1100, -600, Placed::AtTopLeft}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

TEST(MessageBox, TheButtonSitsCentredBelowTheText) {
    boxText = "Nodul 3\nnu are proprietatea de heap";
    Session s;
    bool checked = false;
    s.then([&](Session& session) {
        checked = true;
        HWND box = session.messageBox();
        HWND ok = GetDlgItem(box, IDOK);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(Session::text(ok), "OK");
        RECT client, button;
        GetClientRect(box, &client);
        GetWindowRect(ok, &button);
        POINT corner{button.left, button.top};
        ScreenToClient(box, &corner);
        int width = button.right - button.left;
        EXPECT_NEAR(2 * corner.x + width, client.right, 1);
        EXPECT_GE(corner.y, 2 * 13) << "below two lines of text";
        EXPECT_LT(corner.y + (button.bottom - button.top), client.bottom);
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

TEST(MessageBox, ALongLineWrapsWithinFiveEighthsOfTheScreen) {
    static std::string longLine;
    for (int i = 0; i < 60; ++i)
        longLine += "cuvant ";
    boxText = longLine.c_str();
    Session s;
    bool checked = false;
    s.then([&](Session& session) {
        checked = true;
        RECT client;
        GetClientRect(session.messageBox(), &client);
        int limit = GetSystemMetrics(SM_CXSCREEN) * 5 / 8;
        EXPECT_LE(client.right, limit + 2 * 12);
        EXPECT_GT(client.right, limit / 2) << "filled before wrapping";
        RECT button;
        GetWindowRect(GetDlgItem(session.messageBox(), IDOK), &button);
        POINT corner{button.left, button.top};
        ScreenToClient(session.messageBox(), &corner);
        EXPECT_GE(corner.y, 3 * 13) << "below at least three lines";
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

// --- without an owner, with a bad one, inside another box ----------------------------------------

TEST(MessageBox, WithoutAnOwnerDisablesNothing) {
    boxOwner = Owner::None;
    boxCaption = "Fara proprietar";
    Session s;
    bool checked = false;
    s.then([&](Session& session) {
        HWND box = session.find("Fara proprietar");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(GetParent(box), nullptr);
        EXPECT_TRUE(Session::enabled(mainWindow()));
    });
    s.key(VK_RETURN);
    s.then([&](Session& session) {
        checked = true;
        EXPECT_EQ(session.find("Fara proprietar"), nullptr);
        EXPECT_EQ(afterShowResult(), IDOK);
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

TEST(MessageBox, AStaleOwnerFails) {
    boxOwner = Owner::Stale;
    Session s;
    BoxWatcher watcher;
    s.watch(&watcher);
    bool checked = false;
    s.then([&](Session& session) {
        checked = true;
        EXPECT_EQ(afterShowResult(), 0);
        EXPECT_EQ(session.find(boxCaption), nullptr);
        EXPECT_TRUE(watcher.seen.empty());
    });
    runWithBox(s);
    EXPECT_TRUE(checked);
}

TEST(MessageBox, AQuitInsideTheBoxEndsItAndReachesTheProgram) {
    Session s;
    s.then([](Session&) { PostQuitMessage(7); });
    s.click(kOnOwner.x, kOnOwner.y);
    Scene scene;
    scene.build = buildPanel;
    scene.afterShow = openBox;
    setScene(scene);
    EXPECT_EQ(s.run(testWinMain), 7);
    EXPECT_EQ(afterShowResult(), IDOK);
}

int secondResult = -1;

TEST(MessageBox, ASecondBoxInsideTheFirstKeepsTheOwnerDisabledUntilTheFirstEnds) {
    Session s;
    s.then([](Session&) { PostMessageA(mainWindow(), kRequest, 0, 0); });
    s.click(kOnOwner.x, kOnOwner.y);
    std::vector<std::string> steps;
    s.then([&](Session& session) {
        steps.push_back("front " + Session::text(session.messageBox()));
        EXPECT_NE(session.find("Verificare"), nullptr);
        EXPECT_FALSE(Session::enabled(mainWindow()));
    });
    s.key(VK_RETURN);
    s.then([&](Session& session) {
        steps.push_back("front " + Session::text(session.messageBox()));
        EXPECT_EQ(secondResult, IDOK);
        EXPECT_FALSE(Session::enabled(mainWindow())) << "the first box still holds it";
    });
    s.key(VK_RETURN);
    s.then([&](Session& session) {
        steps.push_back(session.messageBox() ? "a box left" : "none");
        EXPECT_TRUE(Session::enabled(mainWindow()));
        EXPECT_EQ(afterShowResult(), IDOK);
    });
    Scene scene;
    scene.build = buildPanel;
    scene.afterShow = openBox;
    scene.onRequest = [](HWND main, WPARAM) {
        secondResult = MessageBoxA(main, "A doua", "Second", MB_OK);
    };
    setScene(scene);
    s.run(testWinMain);
    EXPECT_EQ(steps, (std::vector<std::string>{"front Second", "front Verificare", "none"}));
}

}  // namespace
