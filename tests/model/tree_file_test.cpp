#include "model/tree_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "tests/model/model_test.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Each test reads its own tree file in a fresh directory of its own.
class TreeFileTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        savedDirectory = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "heaptree-model-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        testDirectory = pattern;
        fs::current_path(testDirectory);
    }

    void TearDown() override {
        fs::current_path(savedDirectory);
        std::error_code ignored;
        fs::remove_all(testDirectory, ignored);
    }

    static void WriteTreeFile(const std::string& content) {
        std::ofstream(treeFileName, std::ios::binary) << content;
    }

    fs::path savedDirectory;
    fs::path testDirectory;
};

// Distinct values of both signs, so that a misplaced node shows.
int SampleValue(int node) {
    return node * 37 - 1500;
}

std::string SampleIntegers(int count) {
    std::string text;
    for (int node = 1; node <= count; ++node)
        text += std::to_string(SampleValue(node)) + "\n";
    return text;
}

struct Position {
    int x;
    int y;
    bool operator==(const Position&) const = default;
};

// Where node n lies, level by level: each level's first node, y, leftmost x and the distance
// between neighbours. On the bottom level the step of 7 makes neighbours alternately 14 and 16
// apart, so it is given as pairs.
Position ExpectedPosition(int n) {
    struct Level {
        int firstNode, y, leftX, spacing;
    };
    constexpr Level levels[] = {{1, 50, 500, 0},   {2, 150, 260, 480}, {4, 250, 140, 240},
                                {8, 350, 80, 120}, {16, 450, 50, 60},  {32, 550, 35, 30}};
    if (n >= 64) return {(n % 2 == 0 ? 28 : 42) + 30 * ((n - 64) / 2), 650};
    std::size_t depth = 0;
    while (depth + 1 < std::size(levels) && levels[depth + 1].firstNode <= n)
        ++depth;
    const Level& level = levels[depth];
    return {level.leftX + level.spacing * (n - level.firstNode), level.y};
}

Position PositionOf(int node) {
    return {HeapTree.x[node], HeapTree.y[node]};
}

// The layout, written out for the nodes one can check by eye.
TEST_F(TreeFileTest, PlacesNodesAtTheirKnownPositions) {
    WriteTreeFile(SampleIntegers(maxNodeCount));
    LoadTree();
    const struct {
        int node;
        Position position;
    } known[] = {
        {1, {500, 50}},   {2, {260, 150}},  {3, {740, 150}},  {4, {140, 250}},  {5, {380, 250}},
        {6, {620, 250}},  {7, {860, 250}},  {8, {80, 350}},   {9, {200, 350}},  {10, {320, 350}},
        {11, {440, 350}}, {12, {560, 350}}, {13, {680, 350}}, {14, {800, 350}}, {15, {920, 350}},
        {16, {50, 450}},  {31, {950, 450}}, {32, {35, 550}},  {63, {965, 550}}, {64, {28, 650}},
        {65, {42, 650}},  {66, {58, 650}},  {67, {72, 650}},  {99, {552, 650}},
    };
    for (const auto& [node, position] : known) {
        EXPECT_EQ(PositionOf(node), position) << "node " << node;
        EXPECT_EQ(ExpectedPosition(node), position) << "level table, node " << node;
    }
}

struct LayoutCase {
    const char* name;
    int count;

    friend void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }
};

class LayoutTest : public TreeFileTest, public testing::WithParamInterface<LayoutCase> {};

// Loading n integers gives n nodes in level order, each at its level's position; the slots beyond
// stay as the program started.
TEST_P(LayoutTest, PlacesEveryNodeOfItsLevel) {
    const int count = GetParam().count;
    WriteTreeFile(SampleIntegers(count));
    HeapTree.firstPick = 2;
    LoadTree();
    ASSERT_EQ(HeapTree.nodeCount, count);
    EXPECT_EQ(HeapTree.firstPick, 0);
    for (int node = 1; node <= count; ++node) {
        EXPECT_EQ(HeapTree.value[node], SampleValue(node)) << "node " << node;
        EXPECT_EQ(PositionOf(node), ExpectedPosition(node)) << "node " << node;
    }
    for (int slot = count + 1; slot < nodeSlotCount; ++slot) {
        EXPECT_EQ(HeapTree.value[slot], 0) << "slot " << slot;
        EXPECT_EQ(PositionOf(slot), (Position{0, 0})) << "slot " << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, LayoutTest,
    testing::Values(LayoutCase{"OneNode", 1}, LayoutCase{"ThreeNodes", 3},
                    LayoutCase{"FourNodes", 4}, LayoutCase{"FourFullLevels", 15},
                    LayoutCase{"FifthLevelOpened", 16}, LayoutCase{"SixFullLevels", 63},
                    LayoutCase{"BottomLevelOpened", 64}, LayoutCase{"FullTable", 99}),
    CaseName<LayoutCase>);

std::string Digits(std::size_t count) {
    return std::string(count, '9');
}

struct ReadingCase {
    const char* name;
    std::string content;
    std::vector<int> values;

    friend void PrintTo(const ReadingCase& c, std::ostream* out) { *out << c.name; }
};

class ReadingTest : public TreeFileTest, public testing::WithParamInterface<ReadingCase> {};

TEST_P(ReadingTest, ReadsIntegersUntilTheFirstFailedExtraction) {
    WriteTreeFile(GetParam().content);
    LoadTree();
    EXPECT_EQ(TreeValues(), GetParam().values);
}

const ReadingCase readingCases[] = {
    {"OneLine", "5 3 8\n", {5, 3, 8}},
    {"NoFinalLineBreak", "5 3 8", {5, 3, 8}},
    {"EveryKindOfWhiteSpace", " \t\n5\t\t3\r\n\n\v8\f  -1 \r\n\n", {5, 3, 8, -1}},
    {"Signs", "-7 +4 -0 +0 007", {-7, 4, 0, 0, 7}},
    {"SignGluedToTheNextNumber", "4-3 5", {4, -3, 5}},
    {"Limits", "2147483647 -2147483648", {INT_MAX, INT_MIN}},
    {"LetterEndsReading", "7 x 9", {7}},
    {"LettersAfterDigitsEndReading", "12abc 5", {12}},
    {"DecimalPointEndsReading", "3.5", {3}},
    {"CommaEndsReading", "1,2,3", {1}},
    {"HexPrefixReadsAsZero", "0x10 5", {0}},
    {"NulByteEndsReading", "5\0 6"s, {5}},
    {"DoubleSignEndsReading", "4 +-3 5", {4}},
    {"SignApartFromDigitsEndsReading", "4 - 3", {4}},
    {"TooLargeLaterEndsReading", "1 2 2147483648 4", {1, 2}},
    {"TooSmallLaterEndsReading", "1 -2147483649 4", {1}},
    {"HugeLaterEndsReading", "1 " + Digits(1 << 20) + " 4", {1}},
    {"TooLargeFirstSaturates", "2147483648 5", {INT_MAX}},
    {"TooSmallFirstSaturates", "-2147483649 5", {INT_MIN}},
    {"HugeFirstSaturates", Digits(1 << 20) + " 5", {INT_MAX}},
    {"HugeNegativeFirstSaturates", "-" + Digits(1 << 20) + " 5", {INT_MIN}},
    {"NotANumberFirst", "abc 5", {0}},
    {"DoubleSignFirst", "+-3", {0}},
    {"SignApartFromDigitsFirst", "- 3", {0}},
    {"Empty", "", {0}},
    {"Blank", " \n\t \r\n", {0}},
};

INSTANTIATE_TEST_SUITE_P(Files, ReadingTest, testing::ValuesIn(readingCases),
                         CaseName<ReadingCase>);

TEST_F(TreeFileTest, ReadsNoMoreThanTheTableHolds) {
    WriteTreeFile(SampleIntegers(150));
    LoadTree();
    ASSERT_EQ(HeapTree.nodeCount, maxNodeCount);
    EXPECT_EQ(HeapTree.value[maxNodeCount], SampleValue(maxNodeCount));
    // A write past the last slot of one column would land in slot 0 of the next.
    EXPECT_EQ(HeapTree.x[0], 0);
    EXPECT_EQ(HeapTree.y[0], 0);
    EXPECT_EQ(HeapTree.highlight[0], 0);
}

struct UnreadableCase {
    const char* name;
    void (*make)();

    friend void PrintTo(const UnreadableCase& c, std::ostream* out) { *out << c.name; }
};

class UnreadableFileTest : public TreeFileTest,
                           public testing::WithParamInterface<UnreadableCase> {};

// Nothing that is not a regular file is opened, so a FIFO without a writer cannot block the load.
TEST_P(UnreadableFileTest, GivesOneNodeOfValueZero) {
    GetParam().make();
    alarm(10);  // Turns a blocked load into a failure instead of a hang.
    LoadTree();
    alarm(0);
    EXPECT_EQ(TreeValues(), std::vector<int>{0});
    EXPECT_EQ(PositionOf(1), (Position{500, 50}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFileTest,
    testing::Values(UnreadableCase{"Missing", [] {}},
                    UnreadableCase{"Directory", [] { fs::create_directory(treeFileName); }},
                    UnreadableCase{"Fifo", [] { ASSERT_EQ(mkfifo(treeFileName, 0600), 0); }},
                    UnreadableCase{"DanglingLink",
                                   [] { fs::create_symlink("nowhere", treeFileName); }}),
    CaseName<UnreadableCase>);

TEST_F(TreeFileTest, FollowsALinkToARegularFile) {
    std::ofstream("tree.txt") << "4 5\n";
    fs::create_symlink("tree.txt", treeFileName);
    LoadTree();
    EXPECT_EQ(TreeValues(), (std::vector<int>{4, 5}));
}

}  // namespace
