// The message box's layout without drawing: line breaks and wrapping over a measure where every
// character is 10 pixels wide, and the window's size and place.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/controls/message_box_layout.h"

using namespace w32::controls;

namespace {

constexpr int kCharWidth = 10;

int measure(void*, const char*, int count) {
    return count * kCharWidth;
}

std::vector<std::string> lines(const std::string& text, int maxChars) {
    MessageLines result = breakLines(text.c_str(), static_cast<int>(text.size()),
                                     maxChars * kCharWidth, measure, nullptr);
    std::vector<std::string> out;
    for (int i = 0; i < result.count; ++i)
        out.push_back(text.substr(result.lines[i].start, result.lines[i].length));
    return out;
}

struct BreakCase {
    const char* name;
    std::string text;
    int maxChars;
    std::vector<std::string> expected;
};

class BreakLines : public testing::TestWithParam<BreakCase> {};

TEST_P(BreakLines, Table) {
    const BreakCase& c = GetParam();
    EXPECT_EQ(lines(c.text, c.maxChars), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BreakLines,
    testing::Values(BreakCase{"OneLine", "Heap corect", 80, {"Heap corect"}},
                    BreakCase{"Empty", "", 80, {""}},
                    BreakCase{"NewLines", "a\nbb\nccc", 80, {"a", "bb", "ccc"}},
                    BreakCase{"CarriageReturnNewLine", "a\r\nb", 80, {"a", "b"}},
                    BreakCase{"EmptyLinesKept", "a\n\nb\n", 80, {"a", "", "b", ""}},
                    BreakCase{"ExactlyFits", "abcd efgh", 9, {"abcd efgh"}},
                    BreakCase{"WrapAtBlank", "abcd efgh ijkl", 9, {"abcd efgh", "ijkl"}},
                    BreakCase{"WrapEveryWord", "abcd efgh ijkl", 5, {"abcd", "efgh", "ijkl"}},
                    BreakCase{"BlankRightAfterTheFit", "abcd efgh", 4, {"abcd", "efgh"}},
                    BreakCase{"BlanksAtTheBreakDropped", "ab    cd", 4, {"ab", "cd"}},
                    BreakCase{"LongWordBroken", "abcdefghij", 4, {"abcd", "efgh", "ij"}},
                    BreakCase{"LongWordAfterShortOne", "ab cdefghij", 4, {"ab", "cdef", "ghij"}},
                    BreakCase{"WrapThenNewLine", "abc def\ngh", 4, {"abc", "def", "gh"}}),
    [](const testing::TestParamInfo<BreakCase>& info) { return info.param.name; });

TEST(BreakLines, WidthIsTheWidestLine) {
    std::string text = "ab\nabcdef\nabc";
    MessageLines r =
        breakLines(text.c_str(), static_cast<int>(text.size()), 1000, measure, nullptr);
    EXPECT_EQ(r.width, 6 * kCharWidth);
}

TEST(BreakLines, LinesBeyondCapacityAreDropped) {
    std::string text;
    for (int i = 0; i < kMaxMessageLines + 10; ++i)
        text += "x\n";
    MessageLines r =
        breakLines(text.c_str(), static_cast<int>(text.size()), 1000, measure, nullptr);
    EXPECT_EQ(r.count, kMaxMessageLines);
    EXPECT_EQ(r.lines[kMaxMessageLines - 1].start, 2 * (kMaxMessageLines - 1));
}

TEST(BreakLines, ATooNarrowWidthStillMovesOn) {
    std::string text = "abc";
    MessageLines r = breakLines(text.c_str(), 3, 0, measure, nullptr);
    ASSERT_EQ(r.count, 3);
    EXPECT_EQ(r.lines[2].start, 2);
    EXPECT_EQ(r.lines[2].length, 1);
}

// --- the window ----------------------------------------------------------------------------------

constexpr RECT kScreen{0, 0, 1280, 800};
constexpr Frame kFrame{3, 19, 3};

int width(const RECT& r) {
    return r.right - r.left;
}
int height(const RECT& r) {
    return r.bottom - r.top;
}

struct SizeCase {
    const char* name;
    SIZE text;
    int captionWidth;
    int clientWidth;  // what must set it: the text, the button or the caption
};

class BoxSize : public testing::TestWithParam<SizeCase> {};

TEST_P(BoxSize, FitsTextButtonAndCaption) {
    const SizeCase& c = GetParam();
    BoxLayout l = layoutBox(c.text, c.captionWidth, nullptr, kScreen, kFrame);
    EXPECT_EQ(width(l.window), c.clientWidth + 2 * kFrame.sideWidth);
    int clientHeight = height(l.window) - kFrame.captionHeight - 2 * kFrame.edgeHeight;
    EXPECT_EQ(l.text.top, kMessageMargin);
    EXPECT_EQ(height(l.text), c.text.cy);
    EXPECT_EQ(l.button.top, l.text.bottom + kMessageButtonGap);
    EXPECT_EQ(l.button.bottom + kMessageMargin, clientHeight);
    EXPECT_NEAR(l.button.left + l.button.right, c.clientWidth, 1) << "centred";
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoxSize,
    testing::Values(SizeCase{"WideText", {400, 26}, 50, 400 + 2 * kMessageMargin},
                    SizeCase{"NarrowText", {20, 13}, 10, kMessageButtonWidth + 2 * kMessageMargin},
                    SizeCase{"LongCaption", {100, 13}, 300, 300 + kMessageCaptionRoom}),
    [](const testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

struct PlaceCase {
    const char* name;
    bool owned;
    RECT owner;
    POINT expectedTopLeft;  // for a 200 x 100 window
};

class BoxPlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(BoxPlace, CentredAndOnTheScreen) {
    const PlaceCase& c = GetParam();
    // A text that makes the window exactly 200 x 100.
    SIZE text{200 - 2 * kFrame.sideWidth - 2 * kMessageMargin,
              100 - kFrame.captionHeight - 2 * kFrame.edgeHeight - 2 * kMessageMargin -
                  kMessageButtonGap - kMessageButtonHeight};
    BoxLayout l = layoutBox(text, 0, c.owned ? &c.owner : nullptr, kScreen, kFrame);
    ASSERT_EQ(width(l.window), 200);
    ASSERT_EQ(height(l.window), 100);
    EXPECT_EQ(l.window.left, c.expectedTopLeft.x);
    EXPECT_EQ(l.window.top, c.expectedTopLeft.y);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoxPlace,
    testing::Values(PlaceCase{"OverTheOwner", true, {100, 100, 500, 300}, {200, 150}},
                    PlaceCase{"NoOwnerCentresOnTheScreen", false, {}, {540, 350}},
                    PlaceCase{"OwnerOffTheRight", true, {1200, 700, 1400, 900}, {1080, 700}},
                    PlaceCase{"OwnerOffTheLeft", true, {-500, -300, -100, -100}, {0, 0}},
                    PlaceCase{"OwnerSmallerThanTheBox", true, {10, 10, 30, 30}, {0, 0}}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

TEST(BoxPlace, LargerThanTheScreenKeepsItsTopLeftOnIt) {
    BoxLayout l = layoutBox({2000, 1000}, 0, nullptr, kScreen, kFrame);
    EXPECT_EQ(l.window.left, 0);
    EXPECT_EQ(l.window.top, 0);
}

}  // namespace
