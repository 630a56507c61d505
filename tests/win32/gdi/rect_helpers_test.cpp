// The rectangle helpers: half-open rectangles, emptiness, and NULL arguments.

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>

namespace {

bool same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct PairCase {
    const char* name;
    RECT a;
    RECT b;
    BOOL intersects;
    RECT intersection;
    BOOL unites;
    RECT unionRect;
};

class RectPairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(RectPairTest, IntersectAndUnite) {
    const PairCase& c = GetParam();
    RECT out{-1, -1, -1, -1};
    EXPECT_EQ(IntersectRect(&out, &c.a, &c.b), c.intersects);
    EXPECT_TRUE(same(out, c.intersection));
    out = {-1, -1, -1, -1};
    EXPECT_EQ(UnionRect(&out, &c.a, &c.b), c.unites);
    EXPECT_TRUE(same(out, c.unionRect));
    // The destination may be a source.
    RECT a = c.a;
    IntersectRect(&a, &a, &c.b);
    EXPECT_TRUE(same(a, c.intersection));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, RectPairTest,
    ::testing::Values(
        PairCase{
            "Overlap", {0, 0, 10, 10}, {5, 5, 20, 20}, TRUE, {5, 5, 10, 10}, TRUE, {0, 0, 20, 20}},
        PairCase{
            "Touching", {0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}, TRUE, {0, 0, 20, 10}},
        PairCase{"Inside", {0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {2, 3, 4, 5}, TRUE, {0, 0, 10, 10}},
        PairCase{"OneEmpty",
                 {0, 0, 10, 10},
                 {50, 50, 50, 60},
                 FALSE,
                 {0, 0, 0, 0},
                 TRUE,
                 {0, 0, 10, 10}},
        PairCase{
            "BothEmpty", {5, 5, 5, 5}, {7, 7, 6, 8}, FALSE, {0, 0, 0, 0}, FALSE, {0, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<PairCase>& info) { return std::string(info.param.name); });

TEST(RectHelpers, PointsOnTheRightAndBottomEdgesAreOutside) {
    const RECT r{0, 0, 10, 5};
    EXPECT_TRUE(PtInRect(&r, {0, 0}));
    EXPECT_TRUE(PtInRect(&r, {9, 4}));
    EXPECT_FALSE(PtInRect(&r, {10, 4}));
    EXPECT_FALSE(PtInRect(&r, {9, 5}));
    EXPECT_FALSE(PtInRect(&r, {-1, 0}));
    EXPECT_FALSE(PtInRect(nullptr, {0, 0}));
}

TEST(RectHelpers, SetOffsetInflateAndCompare) {
    RECT r{};
    EXPECT_TRUE(SetRect(&r, 1, 2, 3, 4));
    EXPECT_TRUE(same(r, {1, 2, 3, 4}));
    EXPECT_TRUE(OffsetRect(&r, 10, -2));
    EXPECT_TRUE(same(r, {11, 0, 13, 2}));
    EXPECT_TRUE(InflateRect(&r, 1, -1));
    EXPECT_TRUE(same(r, {10, 1, 14, 1}));
    EXPECT_TRUE(IsRectEmpty(&r));
    const RECT copy = r;
    EXPECT_TRUE(EqualRect(&r, &copy));
    EXPECT_TRUE(SetRectEmpty(&r));
    EXPECT_TRUE(same(r, {0, 0, 0, 0}));
    EXPECT_FALSE(EqualRect(&r, &copy));
    EXPECT_TRUE(IsRectEmpty(&r));
    const RECT inverted{5, 5, 1, 9};
    EXPECT_TRUE(IsRectEmpty(&inverted));
}

// Offsets wrap as 32-bit arithmetic does instead of overflowing.
TEST(RectHelpers, OffsetsWrap) {
    RECT r{INT_MAX, 0, INT_MAX, 0};
    EXPECT_TRUE(OffsetRect(&r, 1, 0));
    EXPECT_EQ(r.left, INT_MIN);
}

TEST(RectHelpers, NullArgumentsFail) {
    RECT r{};
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(SetRectEmpty(nullptr));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
    EXPECT_FALSE(InflateRect(nullptr, 1, 1));
    EXPECT_FALSE(IntersectRect(nullptr, &r, &r));
    EXPECT_FALSE(IntersectRect(&r, nullptr, &r));
    EXPECT_FALSE(UnionRect(&r, &r, nullptr));
    EXPECT_FALSE(EqualRect(&r, nullptr));
}

}  // namespace
