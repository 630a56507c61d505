// Tree files no student should have, each with the whole program started on it: huge, binary,
// or no file at all. Every one gives what the reading rules give, draws its first frame and ends
// normally when closed; none may hang the start-up (the test's timeout catches that).

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "model/heap_tree.h"
#include "model/tree_file.h"
#include "program.h"
#include "tests/shell/hostile_files.h"

using w32::testing::Session;

namespace test {
namespace {

const std::vector<int> fromNoise;  // empty: the values are whatever the rules make of the bytes

struct HostileCase {
    const char* name;
    void (*make)();
    std::vector<int> values;

    friend void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }
};

class HostileFile : public Program, public testing::WithParamInterface<HostileCase> {
  protected:
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(treeFileName, ignored);  // a link, not what it names
        Program::TearDown();
    }
};

TEST_P(HostileFile, StartsWithWhatTheReadingRulesGive) {
    GetParam().make();
    std::vector<int> expected = GetParam().values;
    if (expected.empty()) expected = ReadByTheRules(ReadBytes(treeFileName));
    session.then([&](Session& s) {
        ASSERT_EQ(HeapTree.nodeCount, static_cast<int>(expected.size()));
        for (int i = 1; i <= HeapTree.nodeCount; ++i) {
            EXPECT_EQ(HeapTree.value[i], expected[i - 1]) << "node " << i;
            EXPECT_EQ(HeapTree.x[i], nodeCentre(i).x) << "node " << i;
            EXPECT_EQ(HeapTree.y[i], nodeCentre(i).y) << "node " << i;
        }
        EXPECT_EQ(HeapTree.firstPick, 0);
        // The first frame is out: the root's white disc below its label.
        EXPECT_EQ(Session::pixel(s.mainWindow(), 500, 59), kWhite);
    });
    EXPECT_EQ(run(), 0);
}

void Filled(const std::string& head, char fill, const std::string& tail) {
    WriteFilled(treeFileName, head, fill, kHugeFileSize, tail);
}

const HostileCase cases[] = {
    {"digits_100MB", [] { Filled("", '7', ""); }, {INT_MAX}},
    {"negative_digits_100MB", [] { Filled("-", '7', " 5"); }, {INT_MIN}},
    {"numbers_then_digits_100MB", [] { Filled("5 3 8 ", '9', " 4"); }, {5, 3, 8}},
    {"zeros_100MB_then_numbers", [] { Filled("", '0', "5 3 8"); }, {5, 3, 8}},
    {"blanks_100MB_then_numbers", [] { Filled("", ' ', "5 3 8"); }, {5, 3, 8}},
    {"line_breaks_100MB_then_numbers", [] { Filled("5\n", '\n', "3\r\n8"); }, {5, 3, 8}},
    {"nul_bytes_100MB", [] { Filled("", '\0', ""); }, {0}},
    {"numbers_then_nul_bytes_100MB", [] { Filled("5 3 8", '\0', " 4"); }, {5, 3, 8}},
    {"binary_noise", [] { WriteNoise(treeFileName, "", 1 << 20); }, fromNoise},
    {"numbers_then_binary_noise", [] { WriteNoise(treeFileName, "5 3 8 ", 1 << 20); }, fromNoise},
    {"directory", [] { MakeDirectory(treeFileName); }, {0}},
    {"fifo", [] { MakeFifo(treeFileName); }, {0}},
    {"dangling_link", [] { MakeLink(treeFileName, "nowhere"); }, {0}},
    {"link_to_itself", [] { MakeLink(treeFileName, treeFileName); }, {0}},
    {"link_to_a_directory", [] { MakeLink(treeFileName, "."); }, {0}},
    {"link_to_an_endless_device", [] { MakeLink(treeFileName, "/dev/zero"); }, {0}},
};

INSTANTIATE_TEST_SUITE_P(Table, HostileFile, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The bytes this process has read through read() so far, from the kernel's own count.
long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long value = -1;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

// The fault: a number out of range was read to its last digit before the reading ended, so a
// file of a hundred million digits kept the start-up busy for a third of a second, and a bigger
// file for longer. The number's eleventh significant digit decides it, so the reading stops there.
TEST(TreeFileReading, ANumberOutOfRangeIsNotReadToItsLastDigit) {
    char pattern[] = "/tmp/heaptree-hostile.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(pattern);
    WriteFilled(treeFileName, "5 ", '7', kHugeFileSize, "");
    const long before = BytesReadSoFar();
    ASSERT_GE(before, 0) << "no /proc/self/io";
    LoadTree();
    const long read = BytesReadSoFar() - before;
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(pattern);
    EXPECT_EQ(HeapTree.nodeCount, 1);
    EXPECT_EQ(HeapTree.value[1], 5);
    EXPECT_LT(read, 1 << 20) << "bytes read of a file of " << kHugeFileSize;
}

}  // namespace
}  // namespace test
