#include "model/heap_check.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "tests/model/model_test.h"

namespace {

struct IsHeapCase {
    const char* name;
    std::vector<int> values;
    bool isHeap;

    friend void PrintTo(const IsHeapCase& c, std::ostream* out) { *out << c.name; }
};

class IsHeapTest : public ModelTest, public testing::WithParamInterface<IsHeapCase> {};

TEST_P(IsHeapTest, FindsAChildGreaterThanItsParent) {
    SetTreeValues(GetParam().values);
    // The slot just past the tree is no child of anything.
    HeapTree.value[HeapTree.nodeCount + 1] = INT_MAX;
    EXPECT_EQ(IsHeap(), GetParam().isHeap);
    EXPECT_EQ(TreeValues(), GetParam().values);
}

// 15 nodes in heap order, and the same with its last leaf above its parent (node 7, value 3).
const std::vector<int> fourLevels = {99, 90, 80, 70, 60, 50, 40, 9, 8, 7, 6, 5, 4, 3, 2};
std::vector<int> WithLastLeaf(std::vector<int> values, int leaf) {
    values.back() = leaf;
    return values;
}

const IsHeapCase isHeapCases[] = {
    {"Empty", {}, true},
    {"OneNode", {5}, true},
    {"EqualValues", {5, 5, 5, 5}, true},
    {"LeftChildGreater", {5, 6, 4}, false},
    {"RightChildGreater", {5, 4, 6}, false},
    {"LoneLeftChildGreater", {9, 4, 3, 6}, false},
    {"LastRightChildGreater", {9, 4, 3, 1, 6}, false},
    {"FourLevels", fourLevels, true},
    {"DeepestLevelViolation", WithLastLeaf(fourLevels, 41), false},
    {"Negatives", {-1, -2, -3}, true},
    {"NegativeChildGreater", {-3, -2}, false},
    {"ComparedAsSigned", {INT_MAX, INT_MIN, 0}, true},
    {"ComparedAsSignedViolation", {INT_MIN, INT_MAX}, false},
};

INSTANTIATE_TEST_SUITE_P(Trees, IsHeapTest, testing::ValuesIn(isHeapCases), CaseName<IsHeapCase>);

std::vector<int> RecordedCounts() {
    std::vector<int> counts;
    for (int count = 0; count < nodeSlotCount; ++count) {
        if (HeapTree.rootRecorded[count]) counts.push_back(count);
    }
    return counts;
}

// What the root record keeps: the counts already recorded and the result text.
struct Records {
    std::vector<int> counts;
    std::string text;
};

// Sets up a tree and its records the way earlier commands would have left them.
void SetUpExercise(const std::vector<int>& values, const Records& records) {
    SetTreeValues(values);
    HeapTree.firstPick = HeapTree.nodeCount;
    for (int count : records.counts)
        HeapTree.rootRecorded[count] = true;
    std::strcpy(HeapTree.resultText, records.text.c_str());
}

// A command answers with one verdict at most: no beep, no prompt, no repaint, and the tree and its
// pick stay as they were.
void ExpectOnlyVerdict(const char* caption, const std::string& text,
                       const std::vector<int>& values) {
    std::vector<std::string> expected;
    if (caption) expected.push_back(VerdictCall(caption, text));
    EXPECT_EQ(PresentationCalls(), expected);
    EXPECT_EQ(TreeValues(), values);
    EXPECT_EQ(HeapTree.firstPick, HeapTree.nodeCount);
}

const char* const verify = "Verificare proprietate";
const char* const heap = "Arborele este ansamblu (heap)";
const char* const notHeap = "Arborele nu este ansamblu (heap)";
const char* const record = "Memorare informatie";
const char* const notHeapYet = "Nu ati transformat arborele in ansamblu";
const char* const noNodes = "Arborele nu mai are noduri";
const char* const recorded = "S-a memorat informatia radacinii";
const char* const recordedFor3 = "Pentru arborele cu 3 noduri, s-a memorat informatia radacinii";
const char* const recordedFor99 = "Pentru arborele cu 99 noduri, s-a memorat informatia radacinii";
const char* const finalResult = "Rezultat final";
const char* const intermediate = "Rezultat intermediar";

const std::vector<int> fours99(99, 4);

struct CommandCase {
    const char* name;
    std::vector<int> values;
    unsigned id;
    Records records;
    const char* caption;  // nullptr: no verdict at all.
    std::string text;

    friend void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }
};

class CommandTest : public ModelTest, public testing::WithParamInterface<CommandCase> {};

// Every verdict that leaves the records as they were.
TEST_P(CommandTest, AnswersAndKeepsTheRecords) {
    const CommandCase& c = GetParam();
    SetUpExercise(c.values, c.records);

    HandleCommand(c.id);

    ExpectOnlyVerdict(c.caption, c.text, c.values);
    EXPECT_EQ(HeapTree.resultText, c.records.text);
    EXPECT_EQ(RecordedCounts(), c.records.counts);
}

const CommandCase commandCases[] = {
    {"VerifyHeap", {9, 7, 8}, IDC_VERIFY_HEAP, {}, verify, heap},
    {"VerifyNotHeap", {7, 9}, IDC_VERIFY_HEAP, {}, verify, notHeap},
    {"VerifyEmptyTree", {}, IDC_VERIFY_HEAP, {}, verify, heap},
    {"RecordNotHeap", {7, 9}, IDC_RECORD_ROOT, {}, record, notHeapYet},
    {"RecordNoLongerHeap", {7, 9}, IDC_RECORD_ROOT, {{2}, "9, "}, record, notHeapYet},
    {"RecordEmptyTree", {}, IDC_RECORD_ROOT, {{1}, "4, "}, record, noNodes},
    {"RecordAgain", {9, 7, 8}, IDC_RECORD_ROOT, {{3}, "9, "}, record, recordedFor3},
    {"RecordAgainAt99", fours99, IDC_RECORD_ROOT, {{99}, "4, "}, record, recordedFor99},
    {"ResultFinal", {}, IDC_SHOW_RESULT, {{1, 2, 3}, "5, 7, 9, "}, finalResult, "5, 7, 9, "},
    {"ResultIntermediate", {4}, IDC_SHOW_RESULT, {{2}, "5, "}, intermediate, "5, "},
    {"ResultBeforeAnyRecord", {4, 3}, IDC_SHOW_RESULT, {}, intermediate, ""},
    {"UnknownIdZero", {9, 7}, 0, {{2}, "9, "}, nullptr, ""},
    {"UnknownIdFour", {9, 7}, 4, {{2}, "9, "}, nullptr, ""},
    {"UnknownIdOfAToolButton", {9, 7}, 103, {{2}, "9, "}, nullptr, ""},
    {"UnknownIdLargest", {9, 7}, 0xFFFF, {{2}, "9, "}, nullptr, ""},
};

INSTANTIATE_TEST_SUITE_P(Commands, CommandTest, testing::ValuesIn(commandCases),
                         CaseName<CommandCase>);

struct RecordCase {
    const char* name;
    std::vector<int> values;
    Records records;
    std::string textAfter;

    friend void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.name; }
};

class RecordTest : public ModelTest, public testing::WithParamInterface<RecordCase> {};

// A heap whose size is not yet recorded: its root goes in front of the result text.
TEST_P(RecordTest, PutsTheRootInFront) {
    const RecordCase& c = GetParam();
    SetUpExercise(c.values, c.records);

    HandleCommand(IDC_RECORD_ROOT);

    ExpectOnlyVerdict(record, recorded, c.values);
    EXPECT_EQ(HeapTree.resultText, c.textAfter);
    std::vector<int> countsAfter = c.records.counts;
    countsAfter.push_back(HeapTree.nodeCount);
    std::sort(countsAfter.begin(), countsAfter.end());
    EXPECT_EQ(RecordedCounts(), countsAfter);
}

const RecordCase recordCases[] = {
    {"First", {9, 7, 8}, {}, "9, "},
    {"InFront", {5}, {{2, 3}, "7, 9, "}, "5, 7, 9, "},
    {"OtherCountThanRecorded", {8, 8}, {{3}, "9, "}, "8, 9, "},
    {"Negative", {-3}, {}, "-3, "},
    {"Zero", {0}, {}, "0, "},
    {"Largest", {INT_MAX}, {}, "2147483647, "},
    {"Smallest", {INT_MIN}, {}, "-2147483648, "},
};

INSTANTIATE_TEST_SUITE_P(Records, RecordTest, testing::ValuesIn(recordCases), CaseName<RecordCase>);

using CapacityTest = ModelTest;

// The longest result there can be: a record of 13 characters for every count from 99 down to 1.
TEST_F(CapacityTest, ResultTextHoldsARecordForEveryCount) {
    std::string expected;
    for (int count = maxNodeCount; count >= 1; --count) {
        SetTreeValues(std::vector<int>(count, INT_MIN));
        HandleCommand(IDC_RECORD_ROOT);
        ASSERT_EQ(PresentationCalls().back(), VerdictCall(record, recorded)) << "count " << count;
        expected += "-2147483648, ";
    }
    EXPECT_EQ(HeapTree.resultText, expected);

    HeapTree.nodeCount = 0;
    HandleCommand(IDC_SHOW_RESULT);
    EXPECT_EQ(PresentationCalls().back(), VerdictCall("Rezultat final", expected));
}

}  // namespace
