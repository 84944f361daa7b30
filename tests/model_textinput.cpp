#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "TextInput.h"

namespace {

struct WholeCase {
    const char* name;
    const char* text;
    bool valid;
    int32_t value;
};

class WholeNumbers : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumbers, Read) {
    const WholeCase& c = GetParam();
    const WholeNumberText number = ReadWholeNumber(c.text);
    EXPECT_EQ(number.Valid, c.valid);
    EXPECT_EQ(number.Value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumbers,
    ::testing::Values(WholeCase{"Year", "2030", true, 2030}, WholeCase{"LeadingZeros", "007", true, 7},
                      WholeCase{"Largest", "2147483647", true, 2147483647},
                      WholeCase{"OneTooLarge", "2147483648", false, 214748364},
                      WholeCase{"WouldWrapTo67", "4294967363", false, 429496736},
                      WholeCase{"Empty", "", false, 0}, WholeCase{"Sign", "-5", false, 0},
                      WholeCase{"Plus", "+5", false, 0}, WholeCase{"TrailingLetter", "45a", false, 45},
                      WholeCase{"InnerBlank", "4 5", false, 4}, WholeCase{"Decimal", "4.5", false, 4},
                      WholeCase{"FullWidthDigit", "\xef\xbc\x95", false, 0},
                      WholeCase{"LeadingBlank", " 5", false, 0},
                      WholeCase{"YearPast32Bits", "4294969346", false, 429496934}),
    [](const auto& info) { return std::string(info.param.name); });

// More digits than a double can hold.
const char HugeNumber[] =
    "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
    "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
    "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
    "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999";

// Smaller than any double: read as zero.
const std::string TinyNumberText = "0." + std::string(400, '0') + "1";
const char* const TinyNumber = TinyNumberText.c_str();

struct DecimalCase {
    const char* name;
    const char* text;
    bool valid;
    double value;
};

class DecimalNumbers : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalNumbers, Read) {
    const DecimalCase& c = GetParam();
    const DecimalNumberText number = ReadDecimalNumber(c.text);
    EXPECT_EQ(number.Valid, c.valid);
    EXPECT_DOUBLE_EQ(number.Value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalNumbers,
    ::testing::Values(DecimalCase{"Children", "1.8", true, 1.8}, DecimalCase{"Whole", "6", true, 6},
                      DecimalCase{"TrailingPoint", "2.", true, 2}, DecimalCase{"LeadingPoint", ".5", true, 0.5},
                      DecimalCase{"TwoPoints", "1.8.1", false, 1.8}, DecimalCase{"Comma", "1,8", false, 1},
                      DecimalCase{"PointOnly", ".", false, 0}, DecimalCase{"Exponent", "1e3", false, 1},
                      DecimalCase{"Negative", "-1", false, 0}, DecimalCase{"Blank", " 1", false, 0},
                      DecimalCase{"Huge", HugeNumber, false, 1.7976931348623157e308},
                      DecimalCase{"Empty", "", false, 0}, DecimalCase{"NotANumber", "nan", false, 0},
                      DecimalCase{"Infinity", "inf", false, 0},
                      DecimalCase{"BelowTheSmallestDouble", TinyNumber, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalNumbers, PointIsDotWhateverTheLocale) {
    // The window toolkit switches the C library to the user's locale.
    const bool switched = std::setlocale(LC_ALL, "da_DK.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(ReadDecimalNumber("1.56").Value, 1.56);
    EXPECT_FALSE(ReadDecimalNumber("1,56").Valid);
    if (switched) std::setlocale(LC_ALL, "C");
}

TEST(AgeIntervalTexts, Read) {
    struct Row {
        const char* text;
        bool valid;
        int32_t from, to;
    };
    for (Row row : {Row{"0..4", true, 0, 4}, Row{"64..20", true, 20, 64}, Row{"99..99", true, 99, 99},
                    Row{"90..100", false, 90, 100}, Row{"5...9", false, 0, 5}, Row{"..4", false, 0, 0},
                    Row{"4..", false, 0, 4}, Row{"4-9", false, 0, 0}, Row{"-1..5", false, 0, 0},
                    Row{"3..99999999999", false, 0, 3}}) {
        int32_t from = 0, to = 0;
        EXPECT_EQ(ReadAgeInterval(row.text, from, to), row.valid) << row.text;
        EXPECT_EQ(from, row.from) << row.text;
        EXPECT_EQ(to, row.to) << row.text;
    }
}

}  // namespace
