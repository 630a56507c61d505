// The controls' look, pixel by pixel where it matters: what a group box leaves to its parent,
// the marks of radio buttons, the edges of push buttons, the status bar's parts and grip, the
// message box. Each test also writes a screenshot next to the test binary for a person to see.

#include <gtest/gtest.h>

#include "harness.h"
#include "win32/testing/session.h"

using namespace controls_test;
using w32::testing::Session;

namespace {

constexpr w32::Pixel rgb(int r, int g, int b) {
    return static_cast<w32::Pixel>((r << 16) | (g << 8) | b);
}

constexpr w32::Pixel kBackground = rgb(200, 200, 200);  // the main window's class brush
constexpr w32::Pixel kFace = rgb(240, 240, 240);
constexpr w32::Pixel kShadow = rgb(160, 160, 160);
constexpr w32::Pixel kHighlight = rgb(255, 255, 255);
constexpr w32::Pixel kDarkShadow = rgb(105, 105, 105);
constexpr w32::Pixel kText = rgb(0, 0, 0);
constexpr w32::Pixel kGrayText = rgb(109, 109, 109);
constexpr w32::Pixel kWhite = rgb(255, 255, 255);

// How many pixels of a colour lie in a rectangle of the main window's client area.
int count(HWND top, RECT r, w32::Pixel colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += Session::pixel(top, x, y) == colour ? 1 : 0;
    return n;
}

struct PixelCase {
    const char* name;
    POINT at;  // main window client coordinates
    w32::Pixel expected;
};

class PanelPixel : public testing::TestWithParam<PixelCase> {};

TEST_P(PanelPixel, Table) {
    const PixelCase& c = GetParam();
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        EXPECT_EQ(Session::pixel(mainWindow(), c.at.x, c.at.y), c.expected) << std::hex;
    });
    Scene scene;
    scene.build = buildPanel;
    setScene(scene);
    s.run(testWinMain);
    EXPECT_TRUE(checked);
}

// The group box "Actiuni:" lies at (1026, 15), 150 x 164; its frame's top is half the 13-pixel
// font cell down. The radio buttons' marks are 13 pixels round at the left of 20-pixel rows.
INSTANTIATE_TEST_SUITE_P(
    Table, PanelPixel,
    testing::Values(PixelCase{"GroupBoxInsideIsTheParents", {1100, 150}, kBackground},
                    PixelCase{"GroupBoxFrameShadow", {1150, 21}, kShadow},
                    PixelCase{"GroupBoxFrameHighlight", {1150, 22}, kHighlight},
                    PixelCase{"GroupBoxLeftShadow", {1026, 140}, kShadow},
                    PixelCase{"GroupBoxLeftHighlight", {1027, 140}, kHighlight},
                    PixelCase{"GroupBoxBottomShadow", {1100, 177}, kShadow},
                    PixelCase{"GroupBoxBottomHighlight", {1100, 178}, kHighlight},
                    PixelCase{"GroupBoxCaptionCell", {1033, 21}, kFace},
                    PixelCase{"RadioRowFace", {1160, 65}, kFace},
                    PixelCase{"UncheckedMarkIsWhite", {1030 + 6, 55 + 3 + 6}, kWhite},
                    PixelCase{"CheckedMarkHasADot", {1030 + 6, 95 + 3 + 6}, kText},
                    PixelCase{"CheckedMarkAroundTheDot", {1030 + 6, 95 + 3 + 2}, kWhite},
                    PixelCase{"PushButtonFace", {1060, 240}, kFace},
                    PixelCase{"PushButtonTopLeftHighlight", {1056, 225}, kHighlight},
                    PixelCase{"PushButtonBottomDarkShadow", {1100, 249}, kDarkShadow},
                    PixelCase{"PushButtonInnerShadow", {1100, 248}, kShadow},
                    PixelCase{"StatusBarGap", {100, 616}, kFace},
                    PixelCase{"StatusPartFrameTop", {100, 617}, kShadow},
                    PixelCase{"StatusPartFrameBottom", {100, 634}, kHighlight},
                    PixelCase{"StatusPartGap", {199, 625}, kFace},
                    PixelCase{"StatusGripCornerIsFace", {1213, 634}, kFace},
                    PixelCase{"StatusGripShadow", {1212, 634}, kShadow},
                    PixelCase{"StatusGripHighlight", {1210, 634}, kHighlight}),
    [](const testing::TestParamInfo<PixelCase>& info) { return info.param.name; });

TEST(Look, TextsAreDrawnInTheirColours) {
    Session s;
    bool checked = false;
    s.then([&](Session&) {
        checked = true;
        HWND top = mainWindow();
        EnableWindow(panel().buttons[1], FALSE);
        Session::screenshot(top, "controls_look_panel.png");
    });
    s.click(500, 300);  // time to paint the disabled look
    s.then([&](Session&) {
        HWND top = mainWindow();
        Session::screenshot(top, "controls_look_panel_disabled.png");
        RECT enabledText{1060, 229, 1152, 246};
        RECT disabledText{1060, 264, 1152, 281};
        EXPECT_GT(count(top, enabledText, kText), 20);
        EXPECT_EQ(count(top, enabledText, kGrayText), 0);
        EXPECT_GT(count(top, disabledText, kGrayText), 20);
        EXPECT_EQ(count(top, disabledText, kText), 0);
        EXPECT_GT(count(top, {1034, 15, 1090, 28}, kText), 20) << "group box caption";
        EXPECT_GT(count(top, {1048, 57, 1170, 73}, kText), 20) << "radio button text";
        EXPECT_GT(count(top, {3, 619, 196, 633}, kText), 20) << "first status part";
        EXPECT_GT(count(top, {203, 619, 300, 633}, kText), 10) << "second status part";
    });
    Scene scene;
    scene.build = buildPanel;
    setScene(scene);
    s.run(testWinMain);
    EXPECT_TRUE(checked);
}

TEST(Look, APushedButtonIsSunken) {
    Session s;
    bool checked = false;
    s.press(kButtonCentre[0].x, kButtonCentre[0].y);
    s.then([&](Session&) {
        checked = true;
        HWND top = mainWindow();
        Session::screenshot(top, "controls_look_pushed.png");
        EXPECT_EQ(Session::pixel(top, 1056, 225), kDarkShadow);
        EXPECT_EQ(Session::pixel(top, 1100, 249), kHighlight);
    });
    s.release(kButtonCentre[0].x, kButtonCentre[0].y);
    Scene scene;
    scene.build = buildPanel;
    setScene(scene);
    s.run(testWinMain);
    EXPECT_TRUE(checked);
}

TEST(Look, MessageBox) {
    Session s;
    bool checked = false;
    s.then([&](Session& session) {
        checked = true;
        HWND box = session.messageBox();
        Session::screenshot(box, "controls_look_message_box.png");
        RECT client;
        GetClientRect(box, &client);
        EXPECT_EQ(Session::pixel(box, 2, 2), kFace);
        EXPECT_EQ(Session::pixel(box, client.right - 2, client.bottom - 2), kFace);
        EXPECT_GT(count(box, {12, 12, client.right - 12, 25}, kText), 30) << "first line";
        EXPECT_GT(count(box, {12, 25, client.right - 12, 38}, kText), 30) << "second line";
    });
    Scene scene;
    scene.build = buildPanel;
    scene.afterShow = [](HWND main) {
        return MessageBoxA(main, "Nodul 3 nu are proprietatea de heap.\nIncercati din nou.",
                           "Verificare", MB_OK);
    };
    setScene(scene);
    s.run(testWinMain);
    EXPECT_TRUE(checked);
}

}  // namespace
