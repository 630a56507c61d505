// _itoa as the C run-time library has it.

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

struct ItoaCase {
    int value;
    int radix;
    const char* text;
};

class ItoaTest : public ::testing::TestWithParam<ItoaCase> {};

TEST_P(ItoaTest, WritesTheDigits) {
    const ItoaCase& c = GetParam();
    char buffer[40];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(_itoa(c.value, buffer, c.radix), buffer);
    EXPECT_STREQ(buffer, c.text);
    // Nothing past the terminating zero.
    const std::size_t used = std::strlen(c.text) + 1;
    for (std::size_t i = used; i < sizeof buffer; ++i)
        EXPECT_EQ(buffer[i], 'x');
}

INSTANTIATE_TEST_SUITE_P(
    Values, ItoaTest,
    ::testing::Values(ItoaCase{0, 10, "0"}, ItoaCase{7, 10, "7"}, ItoaCase{42, 10, "42"},
                      ItoaCase{123, 10, "123"}, ItoaCase{-5, 10, "-5"}, ItoaCase{-12, 10, "-12"},
                      ItoaCase{INT_MAX, 10, "2147483647"}, ItoaCase{INT_MIN, 10, "-2147483648"},
                      ItoaCase{255, 16, "ff"}, ItoaCase{5, 2, "101"}, ItoaCase{35, 36, "z"},
                      ItoaCase{36, 36, "10"}, ItoaCase{-1, 16, "ffffffff"},
                      ItoaCase{INT_MIN, 16, "80000000"},
                      ItoaCase{-1, 2, "11111111111111111111111111111111"},
                      ItoaCase{-8, 8, "37777777770"}, ItoaCase{10, 1, ""}, ItoaCase{10, 37, ""}));

TEST(Itoa, NullBufferIsRefused) {
    EXPECT_EQ(_itoa(5, nullptr, 10), nullptr);
}

}  // namespace
