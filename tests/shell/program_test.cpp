// The whole program, headless: start-up, the tool panel, presses the window manager routes to
// the main window, double clicks, a complete heapsort by hand.

#include <commctrl.h>

#include "model/heap_tree.h"
#include "program.h"
#include "shell/main_window.h"

using w32::MouseButton;
using w32::testing::Session;
using Lines = std::vector<std::string>;

namespace test {
namespace {

constexpr const char* removeTool = "Elim. ultima frunza";
constexpr const char* swapTool = "Schimba(tata,desc)";
constexpr const char* cancelTool = "Anulare actiune";

class Shell : public Program {};

TEST_F(Shell, StartsWithCancelCheckedButtonsEnabledAndTheCreditLine) {
    treeFile("5 3 8");
    session.then([](Session& s) {
        EXPECT_EQ(Session::text(s.mainWindow()), "Arbori de tip ansamblu (heap)");
        RECT client;
        GetClientRect(s.mainWindow(), &client);
        EXPECT_EQ(client.right, 1214);
        EXPECT_EQ(client.bottom, 635);
        EXPECT_TRUE(Session::checked(s.find(cancelTool)));
        EXPECT_FALSE(Session::checked(s.find(removeTool)));
        EXPECT_FALSE(Session::checked(s.find(swapTool)));
        for (HWND button : {hwndVerify, hwndRecord, hwndResult})
            EXPECT_TRUE(Session::enabled(button));
        EXPECT_EQ(Session::statusText(hwndStatus, 0), " Win32 Application");
        std::string credit = Session::statusText(hwndStatus, 1);
        EXPECT_FALSE(credit.empty());
        EXPECT_LE(credit.size(), 255u);
        EXPECT_EQ(HeapTree.nodeCount, 3);
    });
    EXPECT_EQ(run(), 0);
}

TEST_F(Shell, APressInTheTreeWithoutAToolOnlyRepaints) {
    treeFile("5 3 8");
    session.then([this](Session&) { forget(); }).click(500, 50).then([this](Session&) {
        EXPECT_EQ(lines, Lines{});
        EXPECT_EQ(HeapTree.firstPick, 0);
    });
    EXPECT_EQ(run(), 0);
}

struct ToolCase {
    const char* name;
    std::vector<const char*> presses;  // radio buttons clicked in turn
    const char* checked;
    bool buttonsEnabled;
    const char* prompt;
};

class ToolSwitch : public Shell, public testing::WithParamInterface<ToolCase> {};

TEST_P(ToolSwitch, SetsCheckButtonsAndPrompt) {
    const ToolCase& c = GetParam();
    treeFile("5 3 8");
    for (const char* press : c.presses)
        session.clickOn(press).wait(1000);
    session.then([&](Session& s) {
        EXPECT_TRUE(Session::checked(s.find(c.checked)));
        for (HWND button : {hwndVerify, hwndRecord, hwndResult})
            EXPECT_EQ(Session::enabled(button), c.buttonsEnabled);
        EXPECT_EQ(Session::statusText(hwndStatus, 1), c.prompt);
    });
    EXPECT_EQ(run(), 0);
}

const ToolCase toolCases[] = {
    {"remove_leaf", {removeTool}, removeTool, false, " Selectati ultima frunza"},
    {"swap", {swapTool}, swapTool, false, " Selectati varful tata"},
    {"cancel_after_swap", {swapTool, cancelTool}, cancelTool, true, " "},
    {"swap_after_remove", {removeTool, swapTool}, swapTool, false, " Selectati varful tata"},
};

INSTANTIATE_TEST_SUITE_P(Table, ToolSwitch, testing::ValuesIn(toolCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, ASecondSwitchDropsThePendingPickAndItsHighlight) {
    treeFile("5 3 8");
    session.clickOn(swapTool).wait(1000).click(500, 50).then([](Session& s) {
        EXPECT_EQ(HeapTree.firstPick, 1);
        EXPECT_EQ(Session::pixel(s.mainWindow(), 500, 59), kRed);
    });
    session.wait(1000).clickOn(swapTool).then([this](Session& s) {
        EXPECT_EQ(HeapTree.firstPick, 0);
        EXPECT_EQ(Session::pixel(s.mainWindow(), 500, 59), kWhite);
        EXPECT_EQ(lines.back(), "prompt  Selectati varful tata");
    });
    EXPECT_EQ(run(), 0);
}

// Right presses on child controls outside the tool panel's corner switch nothing, and the
// controls themselves ignore right presses.
struct QuietCase {
    const char* name;
    POINT at;
};

class QuietPress : public Shell, public testing::WithParamInterface<QuietCase> {};

TEST_P(QuietPress, LeavesPromptButtonsAndPickAlone) {
    treeFile("5 3 8");
    session.clickOn(swapTool).wait(1000).click(500, 50).wait(1000);
    session.then([this](Session&) { forget(); })
        .press(GetParam().at.x, GetParam().at.y, MouseButton::Right);
    session.then([this](Session&) {
        EXPECT_EQ(lines, Lines{});
        EXPECT_EQ(HeapTree.firstPick, 1);
        EXPECT_FALSE(Session::enabled(hwndVerify));
    });
    EXPECT_EQ(run(), 0);
}

const QuietCase quietCases[] = {
    {"status_bar", {500, 625}},
    {"status_bar_right_of_the_divider", {1100, 625}},
    {"command_button", {1106, 237}},
};

INSTANTIATE_TEST_SUITE_P(Table, QuietPress, testing::ValuesIn(quietCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, AnEnabledCommandButtonAnswersWithoutSwitchingTools) {
    treeFile("5 3 8");
    session.then([this](Session&) { forget(); }).clickOn("Verif. Heap").then([this](Session&) {
        EXPECT_EQ(lines, (Lines{"box Verificare proprietate|Arborele nu este ansamblu (heap)"}));
        EXPECT_TRUE(Session::enabled(hwndVerify));
    });
    EXPECT_EQ(run(), 0);
}

struct EdgeColumnCase {
    const char* name;
    int x;
    const char* prompt;  // nullptr: no tool switch
};

class ToolBoxEdge : public Shell, public testing::WithParamInterface<EdgeColumnCase> {};

TEST_P(ToolBoxEdge, LastPixelColumnStillFindsTheRadioButton) {
    treeFile("5 3 8");
    session.then([this](Session&) { forget(); }).click(GetParam().x, 65).then([this](Session&) {
        if (GetParam().prompt)
            EXPECT_EQ(lines, Lines{std::string("prompt ") + GetParam().prompt});
        else
            EXPECT_EQ(lines, Lines{});
    });
    EXPECT_EQ(run(), 0);
}

const EdgeColumnCase edgeCases[] = {
    {"first_column", 1030, " Selectati ultima frunza"},
    {"last_column", 1175, " Selectati ultima frunza"},
    {"just_outside", 1176, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Table, ToolBoxEdge, testing::ValuesIn(edgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, ARightPressSwitchesPromptAndButtonsButNotTheCheckMark) {
    treeFile("5 3 8");
    session.then([this](Session&) { forget(); });
    session.click(1100, 85, MouseButton::Right).then([this](Session& s) {
        EXPECT_EQ(lines, Lines{"prompt  Selectati varful tata"});
        EXPECT_FALSE(Session::enabled(hwndVerify));
        EXPECT_TRUE(Session::checked(s.find(cancelTool)));
        EXPECT_FALSE(Session::checked(s.find(swapTool)));
    });
    // The tool of the next press in the tree is still none.
    session.wait(1000).click(500, 50).then([](Session&) { EXPECT_EQ(HeapTree.firstPick, 0); });
    EXPECT_EQ(run(), 0);
}

// The window manager hands these presses to the main window, whose handler takes them as
// presses in the tree with the current tool.
struct RoutedCase {
    const char* name;
    POINT at;
};

class RoutedToMain : public Shell, public testing::WithParamInterface<RoutedCase> {};

TEST_P(RoutedToMain, IsAPressThatPicksNoNode) {
    treeFile("5 3 8");
    session.clickOn(swapTool).wait(1000).then([this](Session&) { forget(); });
    session.click(GetParam().at.x, GetParam().at.y).then([this](Session&) {
        EXPECT_EQ(lines,
                  (Lines{"beep", "box Interschimbare informatii|Nu ati selectat primul varf"}));
        EXPECT_EQ(Session::statusText(hwndStatus, 1), " Selectati varful tata");
    });
    EXPECT_EQ(run(), 0);
}

const RoutedCase routedCases[] = {
    {"disabled_command_button", {1106, 237}},
    {"tool_group_box_frame", {1028, 150}},
    {"information_group_box_frame", {1030, 350}},
    {"right_of_the_divider", {1000, 400}},
};

INSTANTIATE_TEST_SUITE_P(Table, RoutedToMain, testing::ValuesIn(routedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, TheSecondPressOfADoubleClickIsNoPress) {
    treeFile("5 3 8");
    session.clickOn(swapTool).wait(1000).doubleClick(500, 50).then([this](Session&) {
        EXPECT_EQ(HeapTree.firstPick, 1);
        EXPECT_EQ(lines.back(), "prompt  Selectati cel de-al doilea varf");
    });
    EXPECT_EQ(run(), 0);
}

TEST_F(Shell, DrawsDividerEdgesNodesAndTheRedFirstPick) {
    treeFile("5 3 8");
    session.clickOn(swapTool).wait(1000).click(500, 50).then([](Session& s) {
        HWND main = s.mainWindow();
        EXPECT_EQ(Session::pixel(main, 990, 300), kRed);       // divider
        EXPECT_EQ(Session::pixel(main, 990, 5), kBackground);  // above its top
        EXPECT_EQ(Session::pixel(main, 500, 59), kRed);        // the pick's fill
        EXPECT_EQ(Session::pixel(main, 493, 43), kRed);        // its label's cell
        EXPECT_EQ(Session::pixel(main, 260, 159), kWhite);     // an ordinary node
        EXPECT_EQ(Session::pixel(main, 380, 100), kBlack);     // the edge from 1 to 2, midway
    });
    EXPECT_EQ(run(), 0);
}

TEST_F(Shell, ARemovedNodeAndItsEdgeAreGone) {
    treeFile("5 3 8");
    session.clickOn(removeTool).wait(1000).click(740, 150).then([this](Session& s) {
        HWND main = s.mainWindow();
        EXPECT_EQ(HeapTree.nodeCount, 2);
        EXPECT_EQ(Session::pixel(main, 740, 159), kBackground);
        EXPECT_EQ(Session::pixel(main, 620, 100), kBackground);
        EXPECT_EQ(Session::pixel(main, 380, 100), kBlack);
    });
    EXPECT_EQ(run(), 0);
}

// 5 3 8 sorted by hand: make a heap, record, move the root to the end, remove it, and so on.
TEST_F(Shell, ACompleteHeapsortByHandEndsWithTheSortedResult) {
    treeFile("5 3 8\n");
    POINT root = nodeCentre(1), left = nodeCentre(2), right = nodeCentre(3);
    auto swap = [&](POINT a, POINT b) {
        session.clickOn(swapTool).wait(1000).click(a.x, a.y).wait(1000).click(b.x, b.y).wait(1000);
    };
    auto removeLeaf = [&](POINT p) {
        session.clickOn(removeTool).wait(1000).click(p.x, p.y).wait(1000);
    };
    auto record = [&] {
        session.clickOn(cancelTool)
            .wait(1000)
            .clickOn("Mem. inf. rad.")
            .wait(1000)
            .key(VK_RETURN)
            .wait(1000);
    };
    swap(root, right);  // 8 3 5: a heap
    record();           // 8
    swap(root, right);  // 5 3 8
    removeLeaf(right);  // 5 3
    record();           // 5
    swap(root, left);   // 3 5
    removeLeaf(left);   // 3
    record();           // 3
    removeLeaf(root);   // empty
    session.clickOn(cancelTool).wait(1000).then([this](Session&) { forget(); });
    session.clickOn("Vezi rezultat").then([this](Session&) {
        EXPECT_EQ(lines, Lines{"box Rezultat final|3, 5, 8, "});
        EXPECT_EQ(HeapTree.nodeCount, 0);
    });
    EXPECT_EQ(run(), 0);
}

}  // namespace
}  // namespace test

namespace test {
namespace {

std::vector<w32::Pixel> pixelsOf(HWND topLevel) {
    w32::Canvas c = Session::canvas(topLevel);
    std::vector<w32::Pixel> all;
    for (int y = 0; y < c.height; ++y)
        all.insert(all.end(), c.row(y), c.row(y) + c.width);
    return all;
}

// The already-recorded verdict is composed in the model's work buffer, which every paint of the
// tree reuses for its labels; the open box must keep showing its own copy.
TEST_F(Shell, AnOpenVerdictKeepsItsTextWhileTheTreeRepaints) {
    treeFile("8 3 5");
    std::vector<w32::Pixel> before;
    session.clickOn("Mem. inf. rad.").wait(1000).key(VK_RETURN).wait(1000);
    session.clickOn("Mem. inf. rad.").then([&](Session& s) {
        ASSERT_NE(s.messageBox(), nullptr);
        before = pixelsOf(s.messageBox());
        InvalidateRect(s.mainWindow(), nullptr, TRUE);
    });
    session.then([&](Session& s) {
        EXPECT_NE(std::string(HeapTree.scratchText).rfind("Pentru", 0), 0u);  // overwritten
        InvalidateRect(s.messageBox(), nullptr, TRUE);
    });
    session.then([&](Session& s) { EXPECT_EQ(pixelsOf(s.messageBox()), before); });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(
        lines.back(),
        "box Memorare informatie|Pentru arborele cu 3 noduri, s-a memorat informatia radacinii");
}

}  // namespace
}  // namespace test
