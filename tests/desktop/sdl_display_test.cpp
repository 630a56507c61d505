// The SDL display driven directly, under a real X server (xvfb-run): windows, pixels, clicks,
// keys, close requests, quitting and the beep, each checked from outside with the desktop's own
// tools. What needs a process of its own (no display, stderr, SIGTERM) runs in a child: this
// program started again with --child MODE.
//
// Sections: [helpers] [open] [beep] [surfaces] [present] [exposure] [clicks] [keys] [close]
//           [quit] [screen and clock] [children and main]

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/desktop/child_process.h"
#include "tests/desktop/x_tools.h"
#include "win32/display/display.h"

namespace {

using desktop::Child;
using desktop::ChildResult;
using desktop::EnvChange;
using desktop::Image;
using desktop::WindowId;
using w32::Canvas;
using w32::InputEvent;
using w32::InputKind;
using w32::kNoSurface;
using w32::MouseButton;
using w32::Pixel;
using w32::Rect;
using w32::SurfaceId;

// [helpers] --------------------------------------------------------------------------------------

// Deadlines, not delays: each is only reached when something is already wrong.
constexpr int kEventTimeoutMs = 5000;
constexpr int kWindowTimeoutMs = 5000;
constexpr int kChildTimeoutMs = 15000;

constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;

const w32::Display& display() {
    return w32::defaultDisplay();
}

// A title no other window of this run has, so xdotool finds exactly ours.
std::string uniqueTitle(const char* what) {
    static int counter = 0;
    return std::string("sdl-display-") + what + "-" + std::to_string(++counter);
}

// Polls the display until an event comes; false at the deadline.
bool waitForEvent(InputEvent& event, int timeoutMs = kEventTimeoutMs) {
    const std::uint32_t start = display().now();
    for (;;) {
        if (display().nextEvent(event, false)) return true;
        if (display().now() - start >= static_cast<std::uint32_t>(timeoutMs)) return false;
        display().sleep(5);
    }
}

// Takes every pending event; returns how many reached the caller.
int drainEvents() {
    int delivered = 0;
    InputEvent event;
    while (display().nextEvent(event, false))
        ++delivered;
    return delivered;
}

const char* kindName(InputKind kind) {
    switch (kind) {
        case InputKind::ButtonDown:
            return "ButtonDown";
        case InputKind::ButtonUp:
            return "ButtonUp";
        case InputKind::KeyDown:
            return "KeyDown";
        case InputKind::CloseRequest:
            return "CloseRequest";
        case InputKind::Quit:
            return "Quit";
        case InputKind::Wake:
            return "Wake";
    }
    return "?";
}

// A canvas with storage, its stride wider than its width so that rows are not contiguous.
struct TestCanvas {
    std::vector<Pixel> storage;
    Canvas canvas;

    TestCanvas(int width, int height, const std::function<Pixel(int, int)>& colour) {
        const int stride = width + 7;
        storage.assign(static_cast<std::size_t>(stride) * height, 0xDEADBE);
        canvas = Canvas{storage.data(), width, height, stride};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                canvas.row(y)[x] = colour(x, y);
        }
    }
};

Pixel oldPattern(int x, int y) {
    return static_cast<Pixel>((x * 3 & 0x7F) << 16 | (y * 5 & 0x7F) << 8 | 0x40);
}
// Every channel 128 away from the old pattern: no depth can mistake one for the other.
Pixel newPattern(int x, int y) {
    return oldPattern(x, y) ^ 0x808080;
}

// Compares a window's contents with what is expected, taking screenshots until they agree or
// the deadline passes. `between` runs before each screenshot (to let the display work).
testing::AssertionResult windowShows(
    WindowId window, int width, int height, const std::function<Pixel(int, int)>& expected,
    const std::function<void()>& between = [] {}) {
    // At depth 16 a channel keeps 5 or 6 bits, and import widens them back inexactly (black comes
    // back as 8, 0x40 as 0x49). The patterns compared differ by 128 in every channel.
    const int tolerance = desktop::windowDepth(window) >= 24 ? 0 : 24;
    const std::uint32_t start = display().now();
    std::string problem;
    for (;;) {
        between();
        const Image image = desktop::screenshot(window);
        int wrong = 0;
        if (image.width != width || image.height != height) {
            problem = "screenshot is " + std::to_string(image.width) + "x" +
                      std::to_string(image.height) + ", expected " + std::to_string(width) + "x" +
                      std::to_string(height);
        } else {
            problem.clear();
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    if (desktop::sameColour(image.at(x, y), expected(x, y), tolerance)) continue;
                    if (wrong++ == 0) {
                        char text[120];
                        std::snprintf(text, sizeof text,
                                      "first at (%d, %d): 0x%06X, expected 0x%06X", x, y,
                                      image.at(x, y), expected(x, y));
                        problem = text;
                    }
                }
            }
            if (wrong == 0) return testing::AssertionSuccess();
            problem = std::to_string(wrong) + " pixels differ; " + problem;
        }
        if (display().now() - start >= static_cast<std::uint32_t>(kWindowTimeoutMs)) {
            return testing::AssertionFailure() << problem;
        }
        display().sleep(20);
    }
}

class SdlDisplay : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(display().open()); }
    void TearDown() override { display().close(); }

    // Creates a surface, shows it and finds its X window (0 if it never appears).
    SurfaceId shownSurface(const std::string& title, Rect screen, WindowId& window) {
        const SurfaceId surface = display().createSurface({title.c_str(), screen, kNoSurface});
        if (surface == kNoSurface) return surface;
        display().showSurface(surface, true);
        window = desktop::findVisibleWindow(title, kWindowTimeoutMs);
        return surface;
    }

    void presentAll(SurfaceId surface, const Canvas& canvas) {
        const Rect all = canvas.bounds();
        display().present(surface, canvas, &all, 1);
    }
};

// [open] -----------------------------------------------------------------------------------------

struct OpenCase {
    const char* name;
    std::vector<EnvChange> env;
    int exitCode;     // of the child: 0 opened, 1 refused
    int stderrLines;  // exactly this many lines on stderr
};

void PrintTo(const OpenCase& c, std::ostream* out) {
    *out << c.name;
}

// Without DISPLAY and WAYLAND_DISPLAY SDL falls back to an invisible driver. XDG_RUNTIME_DIR is
// removed too: libwayland then complains on stderr, which the display must keep to itself.
const std::vector<EnvChange> kNoDisplay = {
    {"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"XDG_RUNTIME_DIR", nullptr}};

std::vector<EnvChange> noDisplayWithDriver(const char* driver) {
    std::vector<EnvChange> env = kNoDisplay;
    env.push_back({"SDL_VIDEODRIVER", driver});
    return env;
}

class OpenTest : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenTest, OpensOrRefusesWithOneClearLine) {
    Child child("open", GetParam().env);
    ASSERT_TRUE(child.started());
    const ChildResult result = child.finish(kChildTimeoutMs);
    ASSERT_TRUE(result.finished) << "the child hung";
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    int lines = 0;
    for (const char c : result.err)
        lines += c == '\n';
    EXPECT_EQ(lines, GetParam().stderrLines) << result.err;
    if (GetParam().stderrLines == 1) {
        EXPECT_EQ(result.err.rfind("heaptree: no display", 0), 0u) << result.err;
        EXPECT_NE(result.err.find("xvfb-run"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("heaptree-replay"), std::string::npos) << result.err;
        EXPECT_EQ(result.err.back(), '\n');
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, OpenTest,
    testing::Values(OpenCase{"XServer", {{"SDL_VIDEODRIVER", nullptr}}, 0, 0},
                    OpenCase{"NoDisplay", noDisplayWithDriver(nullptr), 1, 1},
                    OpenCase{"DummyAskedFor", noDisplayWithDriver("dummy"), 0, 0},
                    OpenCase{"OffscreenAskedFor", noDisplayWithDriver("offscreen"), 0, 0},
                    OpenCase{"AskedDriverMissing", noDisplayWithDriver("x11"), 1, 1}),
    [](const testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

// [beep] -----------------------------------------------------------------------------------------

struct BeepCase {
    const char* name;
    std::vector<EnvChange> env;
};

void PrintTo(const BeepCase& c, std::ostream* out) {
    *out << c.name;
}

class BeepTest : public testing::TestWithParam<BeepCase> {};

TEST_P(BeepTest, ReturnsAndPrintsNothing) {
    Child child("beep", GetParam().env);
    ASSERT_TRUE(child.started());
    const ChildResult result = child.finish(kChildTimeoutMs);
    ASSERT_TRUE(result.finished) << "the child hung";
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    AudioDrivers, BeepTest,
    testing::Values(BeepCase{"Dummy", {{"SDL_AUDIODRIVER", "dummy"}}},
                    BeepCase{"NamedDriverMissing", {{"SDL_AUDIODRIVER", "nosuchdriver"}}},
                    // Every back end is tried. Sound servers are pointed nowhere, so this machine's
                    // cards decide: none (as in CI) makes ALSA complain, which must not show. A
                    // machine with a card beeps audibly here.
                    BeepCase{"SearchedQuietly",
                             {{"SDL_AUDIODRIVER", nullptr},
                              {"PULSE_SERVER", "unix:/nonexistent/pulse"},
                              {"PIPEWIRE_REMOTE", "/nonexistent/pipewire"},
                              {"XDG_RUNTIME_DIR", nullptr}}}),
    [](const testing::TestParamInfo<BeepCase>& info) { return std::string(info.param.name); });

// [surfaces] -------------------------------------------------------------------------------------

TEST_F(SdlDisplay, SurfaceAppearsWithItsTitleClientSizeAndPlace) {
    const std::string title = uniqueTitle("surface");
    const SurfaceId surface =
        display().createSurface({title.c_str(), Rect::fromSize(40, 30, 320, 200), kNoSurface});
    ASSERT_NE(surface, kNoSurface);
    // Created hidden: SDL would have waited for the window to be mapped if it showed it.
    EXPECT_EQ(desktop::findVisibleWindow(title, 0), 0u);

    display().showSurface(surface, true);
    const WindowId window = desktop::findVisibleWindow(title, kWindowTimeoutMs);
    ASSERT_NE(window, 0u);
    const desktop::Geometry geometry = desktop::windowGeometry(window);
    EXPECT_EQ(geometry.width, 320);
    EXPECT_EQ(geometry.height, 200);
    // Without a window manager nothing moves the window from where it was asked to be.
    EXPECT_EQ(geometry.x, 40);
    EXPECT_EQ(geometry.y, 30);

    const std::string renamed = uniqueTitle("renamed");
    display().setTitle(surface, renamed.c_str());
    EXPECT_EQ(desktop::findVisibleWindow(renamed, kWindowTimeoutMs), window);
    EXPECT_TRUE(desktop::waitUntilGone(title, kWindowTimeoutMs));

    display().showSurface(surface, false);
    EXPECT_TRUE(desktop::waitUntilGone(renamed, kWindowTimeoutMs));
}

TEST_F(SdlDisplay, SurfaceCannotBeResized) {
    WindowId window = 0;
    shownSurface(uniqueTitle("fixed"), Rect::fromSize(10, 10, 250, 150), window);
    ASSERT_NE(window, 0u);
    const std::string hints = desktop::windowProperty(window, "WM_NORMAL_HINTS");
    EXPECT_NE(hints.find("minimum size: 250 by 150"), std::string::npos) << hints;
    EXPECT_NE(hints.find("maximum size: 250 by 150"), std::string::npos) << hints;
}

TEST_F(SdlDisplay, TableSlotsComeBackAfterDestroy) {
    constexpr int kFillings = 3;
    constexpr int kAtOnce = 8;  // the display's capacity
    for (int round = 0; round < kFillings; ++round) {
        SurfaceId surfaces[kAtOnce];
        for (int i = 0; i < kAtOnce; ++i) {
            const std::string title = uniqueTitle("slot");
            surfaces[i] = display().createSurface(
                {title.c_str(), Rect::fromSize(20 * i, 20, 50, 40), kNoSurface});
            ASSERT_NE(surfaces[i], kNoSurface) << "round " << round << ", surface " << i;
            for (int j = 0; j < i; ++j)
                EXPECT_NE(surfaces[i], surfaces[j]);
        }
        for (const SurfaceId surface : surfaces)
            display().destroySurface(surface);
    }
}

using SdlDisplayDeathTest = SdlDisplay;

TEST_F(SdlDisplayDeathTest, OneSurfaceTooManyIsAContractFailure) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            for (int i = 0; i < 9; ++i) {
                display().createSurface({"too-many", Rect::fromSize(0, 0, 10, 10), kNoSurface});
            }
        },
        "more surfaces than kMaxSurfaces");
}

// Whether the box names the owner as the window it belongs to (WM_TRANSIENT_FOR), polling.
bool transientFor(WindowId box, WindowId owner) {
    const std::uint32_t start = display().now();
    for (;;) {
        const std::string value = desktop::windowProperty(box, "WM_TRANSIENT_FOR");
        const std::size_t at = value.find("# ");
        if (at != std::string::npos && std::strtoul(value.c_str() + at + 2, nullptr, 16) == owner) {
            return true;
        }
        if (display().now() - start >= static_cast<std::uint32_t>(kWindowTimeoutMs)) return false;
        display().sleep(20);
    }
}

struct ModalCase {
    const char* name;
    bool boxShownFirst;
};

void PrintTo(const ModalCase& c, std::ostream* out) {
    *out << c.name;
}

class ModalBoxTest : public SdlDisplay, public testing::WithParamInterface<ModalCase> {};

TEST_P(ModalBoxTest, BoxBelongsToItsOwnerOnceBothAreShown) {
    const std::string ownerTitle = uniqueTitle("owner");
    const std::string boxTitle = uniqueTitle("box");
    const SurfaceId owner =
        display().createSurface({ownerTitle.c_str(), Rect::fromSize(30, 30, 400, 300), kNoSurface});
    ASSERT_NE(owner, kNoSurface);
    const SurfaceId box =
        display().createSurface({boxTitle.c_str(), Rect::fromSize(130, 120, 200, 100), owner});
    ASSERT_NE(box, kNoSurface);
    const SurfaceId order[2] = {GetParam().boxShownFirst ? box : owner,
                                GetParam().boxShownFirst ? owner : box};
    for (const SurfaceId surface : order)
        display().showSurface(surface, true);

    const WindowId ownerWindow = desktop::findVisibleWindow(ownerTitle, kWindowTimeoutMs);
    const WindowId boxWindow = desktop::findVisibleWindow(boxTitle, kWindowTimeoutMs);
    ASSERT_NE(ownerWindow, 0u);
    ASSERT_NE(boxWindow, 0u);
    EXPECT_TRUE(transientFor(boxWindow, ownerWindow));
    // The box is centred over its owner by the core; the display puts it where it is told.
    const desktop::Geometry geometry = desktop::windowGeometry(boxWindow);
    EXPECT_EQ(geometry.x, 130);
    EXPECT_EQ(geometry.y, 120);
}

INSTANTIATE_TEST_SUITE_P(Orders, ModalBoxTest,
                         testing::Values(ModalCase{"OwnerShownFirst", false},
                                         ModalCase{"BoxShownFirst", true}),
                         [](const testing::TestParamInfo<ModalCase>& info) {
                             return std::string(info.param.name);
                         });

// [present] --------------------------------------------------------------------------------------

constexpr int kSurfaceWidth = 160;
constexpr int kSurfaceHeight = 100;

struct PresentCase {
    const char* name;
    int canvasWidth;
    int canvasHeight;
    std::vector<Rect> rects;
};

void PrintTo(const PresentCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<Rect> gridOfSmallRects() {
    std::vector<Rect> rects;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 10; ++x)
            rects.push_back(Rect::fromSize(x * 16 + 2, y * 20 + 3, 5, 4));
    }
    return rects;  // 50: more than one batch of the display's
}

class PresentTest : public SdlDisplay, public testing::WithParamInterface<PresentCase> {};

TEST_P(PresentTest, ShowsExactlyTheGivenRectangles) {
    WindowId window = 0;
    const SurfaceId surface = shownSurface(
        uniqueTitle("present"), Rect::fromSize(60, 60, kSurfaceWidth, kSurfaceHeight), window);
    ASSERT_NE(window, 0u);
    const TestCanvas before(kSurfaceWidth, kSurfaceHeight, oldPattern);
    presentAll(surface, before.canvas);
    ASSERT_TRUE(windowShows(window, kSurfaceWidth, kSurfaceHeight, oldPattern));

    const PresentCase& c = GetParam();
    const TestCanvas after(c.canvasWidth, c.canvasHeight, newPattern);
    display().present(surface, after.canvas, c.rects.data(), static_cast<int>(c.rects.size()));
    const Rect visible = after.canvas.bounds().intersect({0, 0, kSurfaceWidth, kSurfaceHeight});
    const auto expected = [&](int x, int y) {
        for (const Rect& r : c.rects) {
            if (r.intersect(visible).contains({x, y})) return newPattern(x, y);
        }
        return oldPattern(x, y);
    };
    EXPECT_TRUE(windowShows(window, kSurfaceWidth, kSurfaceHeight, expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, PresentTest,
    testing::Values(
        PresentCase{"Everything", kSurfaceWidth, kSurfaceHeight, {{0, 0, 160, 100}}},
        PresentCase{"OneRect", kSurfaceWidth, kSurfaceHeight, {{10, 10, 60, 40}}},
        PresentCase{
            "TwoApart", kSurfaceWidth, kSurfaceHeight, {{0, 0, 20, 20}, {100, 50, 160, 100}}},
        PresentCase{
            "Overlapping", kSurfaceWidth, kSurfaceHeight, {{10, 10, 80, 60}, {40, 30, 120, 90}}},
        PresentCase{"CutAtTheEdges",
                    kSurfaceWidth,
                    kSurfaceHeight,
                    {{-30, -30, 20, 25}, {150, 90, 400, 300}}},
        PresentCase{"OutsideEntirely",
                    kSurfaceWidth,
                    kSurfaceHeight,
                    {{200, 0, 260, 50}, {-50, -50, -10, -10}}},
        PresentCase{"EmptyAndInverted",
                    kSurfaceWidth,
                    kSurfaceHeight,
                    {{50, 50, 50, 90}, {80, 80, 70, 70}}},
        PresentCase{"NoRects", kSurfaceWidth, kSurfaceHeight, {}},
        PresentCase{"MoreThanOneBatch", kSurfaceWidth, kSurfaceHeight, gridOfSmallRects()},
        PresentCase{"CanvasLargerThanSurface", 220, 130, {{0, 0, 220, 130}}},
        PresentCase{"CanvasSmallerThanSurface", 90, 70, {{0, 0, 160, 100}}}),
    [](const testing::TestParamInfo<PresentCase>& info) { return std::string(info.param.name); });

// [exposure] -------------------------------------------------------------------------------------

// Without backing store an X server forgets what a covering window hid. The display must show its
// last frame again by itself: the core is not told.
TEST_F(SdlDisplay, UncoveredPartIsRepaintedWithoutTellingTheCore) {
    WindowId below = 0;
    WindowId above = 0;
    const SurfaceId lower =
        shownSurface(uniqueTitle("below"), Rect::fromSize(100, 100, 200, 150), below);
    ASSERT_NE(below, 0u);
    const TestCanvas red(200, 150, [](int, int) { return 0xFF0000u; });
    presentAll(lower, red.canvas);
    ASSERT_TRUE(windowShows(below, 200, 150, [](int, int) { return 0xFF0000u; }));

    const SurfaceId upper =
        shownSurface(uniqueTitle("above"), Rect::fromSize(150, 150, 200, 150), above);
    ASSERT_NE(above, 0u);
    const TestCanvas blue(200, 150, [](int, int) { return 0x0000FFu; });
    presentAll(upper, blue.canvas);
    ASSERT_TRUE(windowShows(above, 200, 150, [](int, int) { return 0x0000FFu; }));

    display().showSurface(upper, false);
    int delivered = 0;
    EXPECT_TRUE(windowShows(
        below, 200, 150, [](int, int) { return 0xFF0000u; }, [&] { delivered += drainEvents(); }));
    EXPECT_EQ(delivered, 0);
}

// [clicks] ---------------------------------------------------------------------------------------

struct ClickCase {
    const char* name;
    int surface;  // 0 or 1: which of the two side-by-side surfaces
    int x;
    int y;
    int xButton;  // as xdotool numbers them
    MouseButton button;
};

void PrintTo(const ClickCase& c, std::ostream* out) {
    *out << c.name;
}

class ClickTest : public SdlDisplay, public testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTest, ArrivesAsDownAndUpAtItsPlace) {
    const Rect places[2] = {Rect::fromSize(40, 40, 200, 120), Rect::fromSize(300, 60, 200, 120)};
    SurfaceId surfaces[2];
    for (int i = 0; i < 2; ++i) {
        WindowId window = 0;
        surfaces[i] = shownSurface(uniqueTitle("click"), places[i], window);
        ASSERT_NE(window, 0u);
    }
    drainEvents();
    const ClickCase& c = GetParam();
    const Rect& place = places[c.surface];
    const std::uint32_t before = display().now();
    int status = -1;
    desktop::run("xdotool mousemove --sync " + std::to_string(place.left + c.x) + " " +
                     std::to_string(place.top + c.y) + " click " + std::to_string(c.xButton),
                 &status);
    ASSERT_EQ(status, 0);

    const InputKind kinds[2] = {InputKind::ButtonDown, InputKind::ButtonUp};
    std::uint32_t previous = before;
    for (const InputKind kind : kinds) {
        InputEvent event;
        ASSERT_TRUE(waitForEvent(event)) << "no " << kindName(kind);
        EXPECT_STREQ(kindName(event.kind), kindName(kind));
        EXPECT_EQ(event.surface, surfaces[c.surface]);
        EXPECT_EQ(event.at.x, c.x);
        EXPECT_EQ(event.at.y, c.y);
        EXPECT_EQ(event.button, c.button);
        // Event times are on the display's clock, in order.
        EXPECT_GE(event.time, previous);
        EXPECT_LE(event.time, display().now());
        previous = event.time;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ClickTest,
    testing::Values(ClickCase{"LeftOnFirst", 0, 57, 33, 1, MouseButton::Left},
                    ClickCase{"RightOnSecond", 1, 120, 80, 3, MouseButton::Right},
                    ClickCase{"MiddleOnFirst", 0, 150, 10, 2, MouseButton::Middle},
                    ClickCase{"TopLeftPixel", 1, 0, 0, 1, MouseButton::Left},
                    ClickCase{"BottomRightPixel", 0, 199, 119, 1, MouseButton::Left}),
    [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

// [keys] -----------------------------------------------------------------------------------------

struct KeyCase {
    const char* keysym;  // as xdotool names it
    int virtualKey;      // 0: ignored by the display
};

// Each key the program reacts to, with an ignored one before it.
const KeyCase kKeys[] = {{"a", 0},   {"Return", kVkReturn}, {"b", 0},  {"KP_Enter", kVkReturn},
                         {"Tab", 0}, {"space", kVkSpace},   {"F1", 0}, {"Escape", kVkEscape}};

TEST_F(SdlDisplay, MessageBoxKeysArriveAsKeyDownAndNothingElse) {
    WindowId window = 0;
    const SurfaceId surface =
        shownSurface(uniqueTitle("keys"), Rect::fromSize(50, 50, 200, 100), window);
    ASSERT_NE(window, 0u);
    drainEvents();
    std::string command = "xdotool key --delay 10";
    for (const KeyCase& key : kKeys)
        command += std::string(" ") + key.keysym;
    int status = -1;
    desktop::run(command, &status);
    ASSERT_EQ(status, 0);

    for (const KeyCase& key : kKeys) {
        if (key.virtualKey == 0) continue;
        InputEvent event;
        // The blocking wait: a key is on its way, so it returns.
        ASSERT_TRUE(display().nextEvent(event, true));
        EXPECT_STREQ(kindName(event.kind), "KeyDown") << key.keysym;
        EXPECT_EQ(event.key, key.virtualKey) << key.keysym;
        EXPECT_EQ(event.surface, surface) << key.keysym;
    }
    // A click after all the keys must be the next thing: no release, no ignored key before it.
    desktop::run("xdotool mousemove --sync 60 60 click 1", &status);
    ASSERT_EQ(status, 0);
    InputEvent event;
    ASSERT_TRUE(waitForEvent(event));
    EXPECT_STREQ(kindName(event.kind), "ButtonDown");
}

// With the X focus on the root window, X sends keys to the window under the pointer and SDL names
// no window for them. They go to the surface shown last (the message box), as to an active window.
TEST_F(SdlDisplay, KeyWithoutAFocusWindowGoesToTheSurfaceShownLast) {
    WindowId ownerWindow = 0;
    WindowId boxWindow = 0;
    shownSurface(uniqueTitle("unfocused"), Rect::fromSize(40, 40, 200, 100), ownerWindow);
    const SurfaceId box =
        shownSurface(uniqueTitle("last-shown"), Rect::fromSize(300, 40, 200, 100), boxWindow);
    ASSERT_NE(ownerWindow, 0u);
    ASSERT_NE(boxWindow, 0u);
    drainEvents();
    int status = -1;
    desktop::run("xdotool windowfocus " + std::to_string(desktop::rootWindow()) +
                     " mousemove --sync 80 80 key Return",
                 &status);
    ASSERT_EQ(status, 0);
    InputEvent event;
    ASSERT_TRUE(waitForEvent(event));
    EXPECT_STREQ(kindName(event.kind), "KeyDown");
    EXPECT_EQ(event.key, kVkReturn);
    EXPECT_EQ(event.surface, box);
}

// [close] ----------------------------------------------------------------------------------------

struct CloseCase {
    const char* name;
    int surfaces;  // shown side by side
    int closed;    // which one gets the close request
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << c.name;
}

class CloseTest : public SdlDisplay, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, CloseBoxIsARequestForThatSurfaceAndNoQuit) {
    const CloseCase& c = GetParam();
    SurfaceId surfaces[2];
    WindowId windows[2];
    std::string titles[2];
    for (int i = 0; i < c.surfaces; ++i) {
        titles[i] = uniqueTitle("close");
        surfaces[i] =
            shownSurface(titles[i], Rect::fromSize(30 + 260 * i, 30, 240, 100), windows[i]);
        ASSERT_NE(windows[i], 0u);
    }
    drainEvents();
    int status = -1;
    desktop::run(std::string(X11_SEND_CLOSE) + " " + std::to_string(windows[c.closed]), &status);
    ASSERT_EQ(status, 0);

    InputEvent event;
    ASSERT_TRUE(waitForEvent(event));
    EXPECT_STREQ(kindName(event.kind), "CloseRequest");
    EXPECT_EQ(event.surface, surfaces[c.closed]);
    // SDL queues its own quit together with the close of the last window; none may follow.
    EXPECT_FALSE(display().nextEvent(event, false)) << kindName(event.kind);
    // Closing is the core's decision: the window is still there.
    EXPECT_EQ(desktop::findVisibleWindow(titles[c.closed], 0), windows[c.closed]);
}

INSTANTIATE_TEST_SUITE_P(Windows, CloseTest,
                         testing::Values(CloseCase{"TheOnlyWindow", 1, 0},
                                         CloseCase{"SecondOfTwo", 2, 1},
                                         CloseCase{"FirstOfTwo", 2, 0}),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                             return std::string(info.param.name);
                         });

struct HelperCase {
    const char* name;
    std::string arguments;
    int exitCode;
};

void PrintTo(const HelperCase& c, std::ostream* out) {
    *out << c.name;
}

class CloseHelperTest : public testing::TestWithParam<HelperCase> {};

// The helper's answers when it cannot send, which the program's tests will rely on.
TEST_P(CloseHelperTest, RefusesWhatItCannotClose) {
    std::string arguments = GetParam().arguments;
    if (arguments == "ROOT") arguments = std::to_string(desktop::rootWindow());
    int status = -1;
    desktop::run(std::string(X11_SEND_CLOSE) + " " + arguments + " 2>/dev/null", &status);
    EXPECT_EQ(status, GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CloseHelperTest,
                         testing::Values(HelperCase{"NoArgument", "", 2},
                                         HelperCase{"NotANumber", "main", 2},
                                         HelperCase{"NoSuchWindow", "0x7ffffff0", 1},
                                         // The root window takes no WM_DELETE_WINDOW.
                                         HelperCase{"RootWindow", "ROOT", 1}),
                         [](const testing::TestParamInfo<HelperCase>& info) {
                             return std::string(info.param.name);
                         });

// [quit] -----------------------------------------------------------------------------------------

// SIGTERM is how a session asks a program to end; it must end the blocking wait as a quit.
TEST(SdlDisplayQuit, SigtermWhileWaitingIsQuit) {
    Child child("wait", {});
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.waitForOutput("waiting\n", kChildTimeoutMs));
    child.signal(SIGTERM);
    const ChildResult result = child.finish(kChildTimeoutMs);
    ASSERT_TRUE(result.finished) << "the wait did not end";
    EXPECT_EQ(result.out, "waiting\nQuit\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
}

// [screen and clock] -----------------------------------------------------------------------------

TEST_F(SdlDisplay, ScreenIsTheWholeXScreenWithoutPanels) {
    const desktop::Geometry root = desktop::rootGeometry();
    ASSERT_GT(root.width, 0);
    EXPECT_EQ(display().screen(), (Rect{0, 0, root.width, root.height}));
}

TEST_F(SdlDisplay, SleepReallySleepsOnTheDisplayClock) {
    const std::uint32_t start = display().now();
    display().sleep(30);
    EXPECT_GE(display().now() - start, 30u);
}

// [children and main] ----------------------------------------------------------------------------

// The child's side of the tests above. Its exit code and output are what the parent checks.
int runChild(const char* mode) {
    if (std::strcmp(mode, "open") == 0) {
        if (!display().open()) return 1;
        display().close();
        return 0;
    }
    if (std::strcmp(mode, "beep") == 0) {
        if (!display().open()) return 3;
        display().beep();
        display().beep();  // the second one restarts the tone on the open device
        display().close();
        return 0;
    }
    if (std::strcmp(mode, "wait") == 0) {
        if (!display().open()) return 3;
        const SurfaceId surface = display().createSurface(
            {"sdl-display-waiting", Rect::fromSize(10, 10, 100, 50), kNoSurface});
        display().showSurface(surface, true);
        std::printf("waiting\n");
        std::fflush(stdout);
        InputEvent event;
        display().nextEvent(event, true);
        std::printf("%s\n", kindName(event.kind));
        display().close();
        return event.kind == InputKind::Quit ? 0 : 2;
    }
    std::fprintf(stderr, "unknown child mode %s\n", mode);
    return 4;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return runChild(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
