#include "model/edits.h"

#include <ostream>
#include <string>
#include <vector>

#include "tests/model/model_test.h"

namespace {

struct Node {
    int value;
    int x;
    int y;
};

// Places `nodes` in slots 1.. and makes the first `count` of them the tree. The slots beyond
// keep their positions and hold 0, as after removals.
void PlaceTree(const std::vector<Node>& nodes, int count) {
    for (int i = 1; i <= static_cast<int>(nodes.size()); ++i) {
        const Node& node = nodes[i - 1];
        HeapTree.value[i] = i <= count ? node.value : 0;
        HeapTree.x[i] = node.x;
        HeapTree.y[i] = node.y;
    }
    HeapTree.nodeCount = count;
}

// Nodes 2 and 3 lie 30 pixels apart, so their pick discs overlap; node 4 sits where the
// rightmost node of the bottom level is drawn; slot 5 lies outside the tree.
const std::vector<Node> pickTree = {
    {1, 500, 50}, {2, 100, 300}, {3, 130, 300}, {4, 965, 550}, {5, 700, 400}};

struct PickCase {
    const char* name;
    int x;
    int y;
    int node;

    friend void PrintTo(const PickCase& c, std::ostream* out) { *out << c.name; }
};

class NodeAtTest : public ModelTest, public testing::WithParamInterface<PickCase> {};

TEST_P(NodeAtTest, PicksTheLowestNodeInReach) {
    PlaceTree(pickTree, 4);
    EXPECT_EQ(NodeAt(GetParam().x, GetParam().y), GetParam().node);
}

const PickCase pickCases[] = {
    {"Centre", 500, 50, 1},
    {"RadiusRight", 524, 50, 1},
    {"RadiusLeft", 476, 50, 1},
    {"RadiusAbove", 500, 26, 1},
    {"RadiusBelow", 500, 74, 1},
    {"JustBeyondRadius", 524, 51, 0},  // d2 577
    {"OnePixelTooFar", 525, 50, 0},
    {"DiagonalInside", 514, 69, 1},   // d2 557
    {"DiagonalOutside", 515, 69, 0},  // d2 586
    {"LowerIndexWinsBetween", 115, 300, 2},
    {"LowerIndexWinsWhenFarther", 124, 300, 2},
    {"HigherIndexBeyondLowerReach", 125, 300, 3},
    {"RightOfDivider", 1100, 300, 0},
    {"SlotOutsideTheTree", 700, 400, 0},
    {"Origin", 0, 0, 0},
    {"FarCorner", 65535, 65535, 0},
    // From node 1 this is 2^32 + 42 squared: an int square wraps to 42 and picks it.
    {"SquareBeyond32Bits", 65513, 8313, 0},
};

INSTANTIATE_TEST_SUITE_P(Presses, NodeAtTest, testing::ValuesIn(pickCases), CaseName<PickCase>);

using NodeAtEmptyTreeTest = ModelTest;

TEST_F(NodeAtEmptyTreeTest, PicksNothing) {
    PlaceTree(pickTree, 0);
    EXPECT_EQ(NodeAt(500, 50), 0);
}

// Node 2 sits where the rightmost bottom node is drawn; nodes 4 and 5 (the last leaf) lie 30
// pixels apart, so their discs overlap.
const std::vector<Node> clickTree = {
    {50, 500, 50}, {40, 965, 550}, {30, 300, 300}, {20, 600, 450}, {10, 630, 450}};

const std::string beep = BeepCall();
const std::string repaint = RepaintCall();

// What the student sees after a press, in order.
const std::vector<std::string> repaintOnly = {repaint};
const std::vector<std::string> removalRefused = {
    beep, VerdictCall("Eliminare frunza", "Nu ati selectat ultima frunza!"), repaint};
const std::vector<std::string> firstRefused = {
    beep, VerdictCall("Interschimbare informatii", "Nu ati selectat primul varf"), repaint};
const std::vector<std::string> secondRefused = {
    beep, VerdictCall("Interschimbare informatii", "Nu ati selectat cel de-al doilea varf"),
    repaint};
const std::vector<std::string> firstPicked = {PromptCall(" Selectati cel de-al doilea varf"),
                                              repaint};
const std::vector<std::string> swapDone = {PromptCall(" Selectati primul varf"), repaint};

struct ClickCase {
    const char* name;
    int count;
    int tool;
    int firstPick;
    int x;
    int y;
    std::vector<std::string> calls;
    int countAfter;
    int firstPickAfter;
    std::vector<int> slotValuesAfter;  // Slots 1..5, inside the tree or not.

    friend void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.name; }
};

class ClickTest : public ModelTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTest, EditsAndAnswersInOrder) {
    const ClickCase& c = GetParam();
    PlaceTree(clickTree, c.count);
    HeapTree.firstPick = c.firstPick;

    HandleTreeClick(c.tool, c.x, c.y);

    EXPECT_EQ(PresentationCalls(), c.calls);
    EXPECT_EQ(HeapTree.nodeCount, c.countAfter);
    EXPECT_EQ(HeapTree.firstPick, c.firstPickAfter);
    EXPECT_EQ(std::vector<int>(HeapTree.value + 1, HeapTree.value + 6), c.slotValuesAfter);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(HeapTree.x[i], clickTree[i - 1].x) << "slot " << i;
        EXPECT_EQ(HeapTree.y[i], clickTree[i - 1].y) << "slot " << i;
    }
}

// Values of slots 1..5 after a press.
const std::vector<int> unchanged = {50, 40, 30, 20, 10};
const std::vector<int> lastRemoved = {50, 40, 30, 20, 0};
const std::vector<int> noValues = {0, 0, 0, 0, 0};

const ClickCase removalCases[] = {
    {"LastLeaf", 5, TOOL_REMOVE_LEAF, 0, 640, 450, repaintOnly, 4, 0, lastRemoved},
    {"LastLeafKeepsFirstPick", 5, TOOL_REMOVE_LEAF, 3, 630, 450, repaintOnly, 4, 3, lastRemoved},
    {"OnlyNode", 1, TOOL_REMOVE_LEAF, 0, 500, 50, repaintOnly, 0, 0, noValues},
    {"LowerIndexInReach", 5, TOOL_REMOVE_LEAF, 0, 615, 450, removalRefused, 5, 0, unchanged},
    {"OtherNode", 5, TOOL_REMOVE_LEAF, 0, 500, 50, removalRefused, 5, 0, unchanged},
    {"NoNode", 5, TOOL_REMOVE_LEAF, 0, 10, 10, removalRefused, 5, 0, unchanged},
    {"RightOfDivider", 5, TOOL_REMOVE_LEAF, 0, 1100, 300, removalRefused, 5, 0, unchanged},
    {"EmptyTree", 0, TOOL_REMOVE_LEAF, 0, 500, 50, removalRefused, 0, 0, noValues},
};

INSTANTIATE_TEST_SUITE_P(Removal, ClickTest, testing::ValuesIn(removalCases), CaseName<ClickCase>);

// The swap's two states, one row per transition.
const ClickCase swapCases[] = {
    {"FirstPicksNode", 5, TOOL_SWAP, 0, 300, 300, firstPicked, 5, 3, unchanged},
    {"FirstPicksNothing", 5, TOOL_SWAP, 0, 10, 10, firstRefused, 5, 0, unchanged},
    {"FirstHasNoBoundOnX", 5, TOOL_SWAP, 0, 985, 550, firstPicked, 5, 2, unchanged},
    {"FirstOnEmptyTree", 0, TOOL_SWAP, 0, 500, 50, firstRefused, 0, 0, noValues},
    {"SecondSwapsParentAndChild", 5, TOOL_SWAP, 1, 300, 300, swapDone, 5, 0, {30, 40, 50, 20, 10}},
    {"SecondSwapsUnrelatedLeaves", 5, TOOL_SWAP, 3, 640, 450, swapDone, 5, 0, {50, 40, 10, 20, 30}},
    {"SecondOnSameNode", 5, TOOL_SWAP, 3, 300, 300, swapDone, 5, 0, unchanged},
    {"SecondLowerIndexWins", 5, TOOL_SWAP, 1, 615, 450, swapDone, 5, 0, {20, 40, 30, 50, 10}},
    {"SecondAtX975", 5, TOOL_SWAP, 1, 975, 550, swapDone, 5, 0, {40, 50, 30, 20, 10}},
    {"SecondAtX976", 5, TOOL_SWAP, 1, 976, 550, secondRefused, 5, 1, unchanged},
    {"SecondPicksNothing", 5, TOOL_SWAP, 1, 10, 10, secondRefused, 5, 1, unchanged},
};

INSTANTIATE_TEST_SUITE_P(Swap, ClickTest, testing::ValuesIn(swapCases), CaseName<ClickCase>);

const ClickCase noToolCases[] = {
    {"OnNode", 5, TOOL_NONE, 0, 500, 50, repaintOnly, 5, 0, unchanged},
    {"KeepsFirstPick", 5, TOOL_NONE, 3, 640, 450, repaintOnly, 5, 3, unchanged},
    {"UnknownToolCode", 5, 1, 0, 640, 450, repaintOnly, 5, 0, unchanged},
};

INSTANTIATE_TEST_SUITE_P(NoTool, ClickTest, testing::ValuesIn(noToolCases), CaseName<ClickCase>);

using SwapSequenceTest = ModelTest;

TEST_F(SwapSequenceTest, RefusedSecondPressesKeepTheFirstPick) {
    PlaceTree(clickTree, 5);
    const struct {
        int x;
        int y;
        const std::vector<std::string>& calls;
        int firstPickAfter;
    } presses[] = {
        {500, 50, firstPicked, 1},     // node 1
        {976, 550, secondRefused, 1},  // node 2, but beyond x 975
        {10, 10, secondRefused, 1},    // no node
        {300, 300, swapDone, 0},       // node 3: exchanged with node 1
        {300, 300, firstPicked, 3},    // a new swap begins
    };
    for (const auto& press : presses) {
        PresentationCalls().clear();
        HandleTreeClick(TOOL_SWAP, press.x, press.y);
        EXPECT_EQ(PresentationCalls(), press.calls) << "press at " << press.x << ", " << press.y;
        EXPECT_EQ(HeapTree.firstPick, press.firstPickAfter)
            << "press at " << press.x << ", " << press.y;
    }
    EXPECT_EQ(TreeValues(), (std::vector<int>{30, 40, 50, 20, 10}));
}

}  // namespace
