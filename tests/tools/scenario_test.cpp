// The scenario format of heaptree-replay: what each line becomes, and the first bad line named.

#include <gtest/gtest.h>

#include <string>

#include "tools/replay/scenario.h"

namespace replay {
namespace {

Scenario Parse(const std::string& text) {
    Scenario s;
    ParseError e;
    EXPECT_TRUE(ParseScenario(text.data(), text.size(), s, e)) << e.line << ": " << e.message;
    return s;
}

TEST(Scenario, TurnsEachCommandIntoAStep) {
    Scenario s = Parse(
        "click 1 2\nrclick 3 4\ndblclick 5 6\ntool remove\ntool swap\ntool none\n"
        "verify\nrecord\nresult\nok\nwait 250\nstate\nshot a.png\nclose\n");
    ASSERT_EQ(s.steps.size(), 14u);
    EXPECT_EQ(s.steps[0].command, Command::Click);
    EXPECT_EQ(s.steps[0].x, 1);
    EXPECT_EQ(s.steps[0].y, 2);
    EXPECT_EQ(s.steps[1].command, Command::RightClick);
    EXPECT_EQ(s.steps[2].command, Command::DoubleClick);
    EXPECT_EQ(s.steps[3].text, "Elim. ultima frunza");
    EXPECT_EQ(s.steps[4].text, "Schimba(tata,desc)");
    EXPECT_EQ(s.steps[5].text, "Anulare actiune");
    EXPECT_EQ(s.steps[10].milliseconds, 250u);
    EXPECT_EQ(s.steps[12].text, "a.png");
    EXPECT_EQ(s.steps[13].command, Command::Close);
    EXPECT_EQ(s.steps[13].line, 14);
    EXPECT_FALSE(s.hasTreeFile);
}

TEST(Scenario, CommentsAndBlankLinesAreSkipped) {
    Scenario s = Parse("# a comment\n\n   \nclick 1 2   # press the root\n\tverify\r\n");
    ASSERT_EQ(s.steps.size(), 2u);
    EXPECT_EQ(s.steps[1].line, 5);
}

struct FileCase {
    const char* name;
    const char* scenario;
    const char* treeFile;
};

class TreeFile : public testing::TestWithParam<FileCase> {};

TEST_P(TreeFile, IsWrittenAsTheLinesSay) {
    Scenario s = Parse(GetParam().scenario);
    EXPECT_TRUE(s.hasTreeFile);
    EXPECT_EQ(s.treeFile, GetParam().treeFile);
}

const FileCase fileCases[] = {
    {"integers_blank_separated", "file 5 3 8\n", "5 3 8\n"},
    {"file_lines_are_joined", "file 5 3\nclick 1 1\nfile -8 +2\n", "5 3 -8 +2\n"},
    {"raw_text_as_it_stands", "file-raw  7 x\t9 # not a comment\n", " 7 x\t9 # not a comment\n"},
    {"raw_empty_line", "file-raw\n", "\n"},
    {"numbers_then_raw", "file 1 2\nfile-raw 3abc\nfile 4\n", "1 2\n3abc\n4\n"},
    {"huge_integer_kept_as_written", "file 99999999999999999999\n", "99999999999999999999\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, TreeFile, testing::ValuesIn(fileCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    const char* scenario;
    int line;
};

class BadLine : public testing::TestWithParam<BadCase> {};

TEST_P(BadLine, IsNamedWithItsNumber) {
    Scenario s;
    ParseError e;
    std::string text = GetParam().scenario;
    EXPECT_FALSE(ParseScenario(text.data(), text.size(), s, e));
    EXPECT_EQ(e.line, GetParam().line);
    EXPECT_FALSE(e.message.empty());
}

const BadCase badCases[] = {
    {"unknown_command", "verify\njump 1 2\n", 2},
    {"click_without_y", "click 10\n", 1},
    {"click_with_extra", "click 1 2 3\n", 1},
    {"negative_coordinate", "click -1 2\n", 1},
    {"coordinate_beyond_a_word", "click 65536 2\n", 1},
    {"coordinate_not_a_number", "click 1x 2\n", 1},
    {"unknown_tool", "\n\ntool hammer\n", 3},
    {"verify_with_argument", "verify now\n", 1},
    {"wait_negative", "wait -5\n", 1},
    {"wait_too_long", "wait 86400001\n", 1},
    {"file_without_integers", "file\n", 1},
    {"file_with_a_word", "file 1 two\n", 1},
    {"shot_without_png", "shot picture\n", 1},
    {"shot_into_another_folder", "shot ../x.png\n", 1},
    {"shot_hidden_name", "shot .png\n", 1},
    {"case_matters", "Click 1 2\n", 1},
};

INSTANTIATE_TEST_SUITE_P(Table, BadLine, testing::ValuesIn(badCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Scenario, WaitsAndChecksAreNotInput) {
    EXPECT_TRUE(IsInput(Command::Click));
    EXPECT_TRUE(IsInput(Command::Ok));
    EXPECT_TRUE(IsInput(Command::Close));
    EXPECT_FALSE(IsInput(Command::Wait));
    EXPECT_FALSE(IsInput(Command::State));
    EXPECT_FALSE(IsInput(Command::Shot));
}

}  // namespace
}  // namespace replay
