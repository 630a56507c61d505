// The real heaptree program under a real X server (xvfb-run). Each test starts the built binary in
// a fresh folder with its own Pemrak.in, presses and types with xdotool as a student would, and
// looks at the result with xdotool, xprop and ImageMagick's import. The program is started as a
// child of this test program (--child FOLDER), which changes into the folder and becomes heaptree,
// so that its output, exit code and lifetime are watched by the same bounded waits.
//
// Sections: [helpers] [window] [swap] [verdict box] [closing] [tall tree] [no display] [main]

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/desktop/child_process.h"
#include "tests/desktop/x_tools.h"

namespace {

using desktop::Child;
using desktop::ChildResult;
using desktop::EnvChange;
using desktop::Image;
using desktop::WindowId;

// [helpers] --------------------------------------------------------------------------------------

// Deadlines, not delays: each is only reached when something is already wrong.
constexpr int kWindowTimeoutMs = 10000;
constexpr int kPictureTimeoutMs = 5000;
constexpr int kExitTimeoutMs = 15000;

// xdotool matches titles as extended regular expressions: the parentheses are escaped.
constexpr const char* kMainTitle = "Arbori de tip ansamblu (heap)";
constexpr const char* kMainTitlePattern = "Arbori de tip ansamblu \\(heap\\)";
constexpr const char* kSwapCaption = "Interschimbare informatii";
constexpr int kClientWidth = 1214;
constexpr int kClientHeight = 635;

// A tree like examples/Pemrak.in: 11 values, the root 4, its left child 10.
constexpr const char* kSampleTree = "4 10 3 5 1 8 14 2 9 7 12\n";

struct Point {
    int x;
    int y;
};

// Node centres of the halving layout, in client pixels.
constexpr Point kRoot = {500, 50};
constexpr Point kLeftChild = {260, 150};
// Inside the tree area and far from every node of the sample tree.
constexpr Point kEmptySpace = {700, 500};

// The tool radio buttons are children of the group box at (1026, 15), each 20 pixels high at
// x = 4 in the box, 280 wide but clipped by the box at its right edge (150 wide).
struct RadioButton {
    const char* text;
    int top;  // in the box
};
constexpr Point kToolBox = {1026, 15};
constexpr RadioButton kRemoveLeafTool = {"Elim. ultima frunza", 40};
constexpr RadioButton kSwapTool = {"Schimba(tata,desc)", 60};
constexpr RadioButton kCancelTool = {"Anulare actiune", 80};

// A point inside the radio button's circle and text, in client pixels.
Point pressPoint(const RadioButton& radio) {
    return {kToolBox.x + 4 + 14, kToolBox.y + radio.top + 10};
}

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kColourTolerance = 8;

// A fresh folder under $TMPDIR (or /tmp) holding one Pemrak.in; removed with everything in it.
class TreeFolder {
  public:
    explicit TreeFolder(const std::string& tree) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base && *base ? base : "/tmp") + "/heaptree-desktop.XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) return;
        path_ = pattern;
        std::ofstream(path_ + "/Pemrak.in", std::ios::binary) << tree;
    }
    ~TreeFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TreeFolder(const TreeFolder&) = delete;
    TreeFolder& operator=(const TreeFolder&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// One heaptree process in its own folder. The child is killed when the test ends.
class Heaptree : public testing::Test {
  protected:
    // Starts heaptree on this tree, with the environment changed as given; false if it could not.
    bool launch(const std::string& tree, const std::vector<EnvChange>& env = {}) {
        // The window of the previous test's program may not be gone yet: this test must only
        // ever find its own.
        EXPECT_TRUE(desktop::waitUntilGone(kMainTitlePattern, kWindowTimeoutMs));
        folder_ = std::make_unique<TreeFolder>(tree);
        if (folder_->path().empty()) {
            ADD_FAILURE() << "cannot make a temporary folder";
            return false;
        }
        started_ = Clock::now();
        child_ = std::make_unique<Child>(folder_->path().c_str(), env);
        if (!child_->started()) {
            ADD_FAILURE() << "cannot start the program";
            return false;
        }
        return true;
    }

    // Starts heaptree on this tree and returns its main window, 0 if none appeared.
    WindowId start(const std::string& tree) {
        if (!launch(tree)) return 0;
        return desktop::findVisibleWindow(kMainTitlePattern, kWindowTimeoutMs);
    }

    // Waits for the program to end; killed at the deadline (then `finished` is false).
    ChildResult finish() { return child_->finish(kExitTimeoutMs); }

    long millisecondsSinceStart() const {
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count());
    }

    void TearDown() override {
        child_.reset();  // kills a program still running before its folder goes
        folder_.reset();
    }

  private:
    using Clock = std::chrono::steady_clock;
    std::unique_ptr<TreeFolder> folder_;
    std::unique_ptr<Child> child_;
    Clock::time_point started_;
};

// A left-button press and release at a point of the window's client area.
void pressAt(WindowId window, Point at) {
    int status = -1;
    desktop::run("xdotool mousemove --window " + std::to_string(window) + " --sync " +
                     std::to_string(at.x) + " " + std::to_string(at.y) + " click 1",
                 &status);
    EXPECT_EQ(status, 0) << "xdotool could not press at (" << at.x << ", " << at.y << ")";
}

void pressKey(const char* keysym) {
    int status = -1;
    desktop::run(std::string("xdotool key ") + keysym, &status);
    EXPECT_EQ(status, 0) << "xdotool could not press " << keysym;
}

// How a node's circle is filled: its pixels within 9 of the centre (inside the black outline of
// radius 12), counted by colour. The label's glyphs are neither red nor white.
struct DiscCount {
    int red = 0;
    int white = 0;
    int total = 0;
};

DiscCount countDisc(const Image& image, Point centre) {
    constexpr int kInner = 9;
    DiscCount count;
    for (int dy = -kInner; dy <= kInner; ++dy) {
        for (int dx = -kInner; dx <= kInner; ++dx) {
            if (dx * dx + dy * dy > kInner * kInner) continue;
            const std::uint32_t pixel = image.at(centre.x + dx, centre.y + dy);
            ++count.total;
            count.red += desktop::sameColour(pixel, kRed, kColourTolerance);
            count.white += desktop::sameColour(pixel, kWhite, kColourTolerance);
        }
    }
    return count;
}

// Mostly red: a highlighted node. Mostly white and no red at all: an ordinary one.
bool filledRed(const DiscCount& c) {
    return 2 * c.red > c.total;
}
bool filledWhite(const DiscCount& c) {
    return c.red == 0 && 2 * c.white > c.total;
}

// What a radio button's state looks like: the 16 x 20 pixels of its left end, where its circle
// is. Compared as a whole with the same patch of a radio button whose state is known.
std::vector<std::uint32_t> radioPatch(const Image& image, const RadioButton& radio) {
    std::vector<std::uint32_t> patch;
    const int left = kToolBox.x + 4;
    const int top = kToolBox.y + radio.top;
    for (int y = top; y < top + 20; ++y) {
        for (int x = left; x < left + 16; ++x)
            patch.push_back(image.at(x, y));
    }
    return patch;
}

struct Expectation {
    std::string what;
    std::function<bool(const Image&)> holds;
};

// The radio button looks like `look`, a patch taken when its state was known.
Expectation radioLooks(const RadioButton& radio, const std::vector<std::uint32_t>& look,
                       const char* state) {
    return {std::string("\"") + radio.text + "\" " + state,
            [&radio, look](const Image& image) { return radioPatch(image, radio) == look; }};
}

// Writes an image as a binary PPM, which every image viewer and ImageMagick read.
bool savePpm(const Image& image, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width << " " << image.height << "\n255\n";
    for (const std::uint32_t pixel : image.pixels) {
        const char rgb[3] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8),
                             static_cast<char>(pixel)};
        out.write(rgb, 3);
    }
    return static_cast<bool>(out);
}

// Takes screenshots of the window until every expectation holds or the deadline passes. On a
// failure the last screenshot is kept in the working folder, named after the test.
testing::AssertionResult windowShows(WindowId window, const std::vector<Expectation>& expected) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kPictureTimeoutMs);
    std::string failing;
    Image image;
    for (;;) {
        image = desktop::screenshot(window);
        failing.clear();
        if (image.width != kClientWidth || image.height != kClientHeight) {
            failing = "a screenshot of " + std::to_string(kClientWidth) + " x " +
                      std::to_string(kClientHeight) + " pixels (got " +
                      std::to_string(image.width) + " x " + std::to_string(image.height) + ")";
        } else {
            for (const Expectation& e : expected) {
                if (e.holds(image)) continue;
                failing += (failing.empty() ? "" : "; ") + e.what;
            }
        }
        if (failing.empty()) return testing::AssertionSuccess();
        if (std::chrono::steady_clock::now() >= deadline) break;
        desktop::sleepMs(20);
    }
    testing::AssertionResult result = testing::AssertionFailure() << "not shown: " << failing;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string kept = std::string("heaptree-desktop-") + test->name() + ".ppm";
    if (!image.pixels.empty() && savePpm(image, kept)) result << " (screenshot: " << kept << ")";
    return result;
}

Expectation nodeIsRed(const char* name, Point centre) {
    return {std::string(name) + " filled red",
            [centre](const Image& image) { return filledRed(countDisc(image, centre)); }};
}

Expectation nodeIsWhite(const char* name, Point centre) {
    return {std::string(name) + " filled white",
            [centre](const Image& image) { return filledWhite(countDisc(image, centre)); }};
}

// [window] ---------------------------------------------------------------------------------------

TEST_F(Heaptree, WindowAppearsWithItsTitleAndFixedClientSize) {
    const WindowId window = start(kSampleTree);
    ASSERT_NE(window, 0u) << "no visible window titled \"" << kMainTitle << "\"";
    const desktop::Geometry geometry = desktop::windowGeometry(window);
    EXPECT_EQ(geometry.width, kClientWidth);
    EXPECT_EQ(geometry.height, kClientHeight);
    // Not resizable: the window asks for exactly its size as both minimum and maximum.
    const std::string hints = desktop::windowProperty(window, "WM_NORMAL_HINTS");
    EXPECT_NE(hints.find("minimum size: 1214 by 635"), std::string::npos) << hints;
    EXPECT_NE(hints.find("maximum size: 1214 by 635"), std::string::npos) << hints;
    // And it shows the loaded tree, no node picked.
    EXPECT_TRUE(windowShows(window, {nodeIsWhite("the root", kRoot),
                                     nodeIsWhite("the root's left child", kLeftChild)}));
}

// [swap] -----------------------------------------------------------------------------------------

TEST_F(Heaptree, SwapToolThenRootTurnsTheRootRed) {
    const WindowId window = start(kSampleTree);
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(windowShows(window, {nodeIsWhite("the root", kRoot)}));

    pressAt(window, pressPoint(kSwapTool));
    pressAt(window, kRoot);
    EXPECT_TRUE(windowShows(
        window, {nodeIsRed("the root", kRoot), nodeIsWhite("the root's left child", kLeftChild)}));
}

// [verdict box] ----------------------------------------------------------------------------------

// The verdict box is modal: while it is open, presses on the main window reach nothing. Each press
// below would leave a visible trace if it got through, even late: checking "Anulare actiune" would
// end the swap tool, and picking the root would make the later press on its child a swap.
TEST_F(Heaptree, RefusedPressOpensAModalVerdictBoxThatEnterCloses) {
    const WindowId window = start(kSampleTree);
    ASSERT_NE(window, 0u);
    // At start "Anulare actiune" is checked and the other two are not: their patches give the
    // look of a checked and of an unchecked radio button, once the first frame is there.
    const auto startLooks = [](const Image& image) {
        const std::vector<std::uint32_t> unchecked = radioPatch(image, kSwapTool);
        return radioPatch(image, kRemoveLeafTool) == unchecked &&
               radioPatch(image, kCancelTool) != unchecked;
    };
    ASSERT_TRUE(windowShows(window, {{"only \"Anulare actiune\" checked", startLooks}}));
    const Image atStart = desktop::screenshot(window);
    ASSERT_TRUE(startLooks(atStart));
    const std::vector<std::uint32_t> checked = radioPatch(atStart, kCancelTool);
    const std::vector<std::uint32_t> unchecked = radioPatch(atStart, kSwapTool);

    pressAt(window, pressPoint(kSwapTool));
    pressAt(window, kEmptySpace);
    const WindowId box = desktop::findVisibleWindow(kSwapCaption, kWindowTimeoutMs);
    ASSERT_NE(box, 0u) << "no window titled \"" << kSwapCaption << "\"";
    EXPECT_NE(box, window);

    pressAt(window, pressPoint(kCancelTool));
    pressAt(window, kRoot);
    // The box is still there: the presses did not close it either.
    EXPECT_EQ(desktop::findVisibleWindow(kSwapCaption, 0), box);

    pressKey("Return");
    ASSERT_TRUE(desktop::waitUntilGone(kSwapCaption, kWindowTimeoutMs)) << "Enter did not close it";

    // X delivers events in order, so once this press has been handled any held-back press would
    // have been handled too. With the swap tool still on and nothing picked, it picks the child.
    pressAt(window, kLeftChild);
    EXPECT_TRUE(windowShows(
        window, {nodeIsRed("the root's left child (the swap tool still on, nothing picked before)",
                           kLeftChild),
                 nodeIsWhite("the root", kRoot), radioLooks(kSwapTool, checked, "still checked"),
                 radioLooks(kCancelTool, unchecked, "not checked")}));
}

// [closing] --------------------------------------------------------------------------------------

TEST_F(Heaptree, CloseBoxEndsTheProgramWithZero) {
    const WindowId window = start(kSampleTree);
    ASSERT_NE(window, 0u);
    int status = -1;
    desktop::run(std::string(X11_SEND_CLOSE) + " " + std::to_string(window), &status);
    ASSERT_EQ(status, 0) << "the close request was not sent";
    const ChildResult result = finish();
    ASSERT_TRUE(result.finished) << "still running after the close box";
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
}

// [tall tree] ------------------------------------------------------------------------------------

// 64 values: one more node than six levels hold.
std::string tallTree() {
    std::string tree;
    for (int value = 1; value <= 64; ++value)
        tree += std::to_string(value) + (value % 16 == 0 ? "\n" : " ");
    return tree;
}

// The refusal message is written at (100, 100) in black on white, about 900 pixels wide: along
// that band there are many dark pixels, where an ordinary tree only crosses a few edges.
Expectation refusalMessageShown() {
    return {"the refusal message at (100, 100)", [](const Image& image) {
                int dark = 0;
                int white = 0;
                for (int y = 100; y < 120; ++y) {
                    for (int x = 100; x < 900; ++x) {
                        dark += desktop::sameColour(image.at(x, y), 0x000000, 64);
                        white += desktop::sameColour(image.at(x, y), kWhite, kColourTolerance);
                    }
                }
                return dark > 800 && white > 4000;
            }};
}

TEST_F(Heaptree, TreeTooTallShowsItsMessageAndEndsWithZeroAfterFiveSeconds) {
    const WindowId window = start(tallTree());
    ASSERT_NE(window, 0u);
    EXPECT_TRUE(windowShows(window, {refusalMessageShown()}));
    const ChildResult result = finish();
    const long elapsed = millisecondsSinceStart();
    ASSERT_TRUE(result.finished) << "still running " << kExitTimeoutMs << " ms after its start";
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Behaviour, not speed: the five-second pause must have happened.
    EXPECT_GE(elapsed, 4500) << "ended without the pause";
}

// [no display] -----------------------------------------------------------------------------------

struct NoDisplayCase {
    const char* name;
    std::vector<EnvChange> env;
};

void PrintTo(const NoDisplayCase& c, std::ostream* out) {
    *out << c.name;
}

class NoDisplay : public Heaptree, public testing::WithParamInterface<NoDisplayCase> {};

TEST_P(NoDisplay, OneClearLineAndExitCodeOne) {
    ASSERT_TRUE(launch(kSampleTree, GetParam().env));
    const ChildResult result = finish();
    ASSERT_TRUE(result.finished) << "the program hung without a display";
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "not one line: " << result.err;
    EXPECT_EQ(result.err.rfind("heaptree: no display", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("xvfb-run"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("heaptree-replay"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, NoDisplay,
    testing::Values(NoDisplayCase{"DisplayUnset",
                                  {{"DISPLAY", nullptr},
                                   {"WAYLAND_DISPLAY", nullptr},
                                   {"SDL_VIDEODRIVER", nullptr}}},
                    // Without a runtime folder libwayland complains on stderr as SDL tries it.
                    NoDisplayCase{"DisplayAndRuntimeFolderUnset",
                                  {{"DISPLAY", nullptr},
                                   {"WAYLAND_DISPLAY", nullptr},
                                   {"SDL_VIDEODRIVER", nullptr},
                                   {"XDG_RUNTIME_DIR", nullptr}}}),
    [](const testing::TestParamInfo<NoDisplayCase>& info) { return std::string(info.param.name); });

// [main] -----------------------------------------------------------------------------------------

// The child's side: change into the tree's folder and become heaptree there.
int becomeHeaptree(const char* folder) {
    if (::chdir(folder) != 0) {
        std::perror(folder);
        return 126;
    }
    ::execl(HEAPTREE, "heaptree", static_cast<char*>(nullptr));
    std::perror(HEAPTREE);
    return 127;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return becomeHeaptree(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
