#include <clocale>

#include <gtest/gtest.h>

#include "NumberText.h"

namespace {

struct Case {
    const char* name;
    double x;
    int width;
    int decimals;
    const char* expected;
};

class FormatFixedTest : public ::testing::TestWithParam<Case> {};

TEST_P(FormatFixedTest, Formats) {
    const Case& c = GetParam();
    EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatFixedTest,
    ::testing::Values(
        Case{"PaddedShare", 40.1234, 5, 1, " 40.1"},
        Case{"Millions", 0.340593, 8, 3, "   0.341"},
        Case{"NoDecimals", 1234.6, 6, 0, "  1235"},
        Case{"NeverCut", 123456.789, 5, 1, "123456.8"},
        Case{"ZeroWidth", 2.5, 0, 2, "2.50"},
        Case{"BinaryTieAwayFromZero", 0.25, 0, 1, "0.3"},
        Case{"NegativeTieAwayFromZero", -0.25, 0, 1, "-0.3"},
        Case{"NotATieBelow", 0.15, 0, 1, "0.1"},  // 0.1499999... in binary
        Case{"CarryIntoNewDigit", 99.96, 5, 1, "100.0"},
        Case{"NegativeZeroHasNoSign", -0.04, 4, 1, " 0.0"},
        Case{"Hundred", 100.0, 5, 1, "100.0"},
        Case{"Tiny", 1e-300, 0, 2, "0.00"},
        Case{"Huge", 1e20, 0, 0, "100000000000000000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFixed, PointIsDotWhateverTheLocale) {
    // The window toolkit switches the C library to the user's locale.
    const bool switched = std::setlocale(LC_ALL, "da_DK.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(FormatFixed(1.56, 5, 2), " 1.56");
    if (switched) std::setlocale(LC_ALL, "C");
}

}  // namespace
