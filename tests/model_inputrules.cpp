#include <gtest/gtest.h>

#include "InputRules.h"

#include <string>

namespace {

std::u32string Kept(FieldKeys keys, std::u32string typed) {
    std::u32string kept;
    for (char32_t c : typed)
        if (const char32_t k = FilterKey(keys, c)) kept += k;
    return kept;
}

TEST(KeyRules, EachFieldKeepsItsOwnCharacters) {
    // Typed: Ctrl+V's character, an Arabic-Indic and a full-width digit,
    // a Danish letter, Enter, Tab, Delete.
    const std::u32string typed = U"0189aZkKmM,.-+ æ\x16\x0661\xff15\r\t\x7f\b";
    EXPECT_EQ(Kept(FieldKeys::Digits, typed), U"0189\b");
    EXPECT_EQ(Kept(FieldKeys::Decimal, typed), U"0189..\b") << "a comma becomes the point";
    EXPECT_EQ(Kept(FieldKeys::Interval, typed), U"0189.\b");
    EXPECT_EQ(Kept(FieldKeys::Sex, typed), U"kKmM") << "not even backspace";
    EXPECT_EQ(Kept(FieldKeys::Any, typed), typed);
}

TEST(KeyRules, FilledMeansSortingAfterABlank) {
    EXPECT_FALSE(SortsAfterBlank(""));
    EXPECT_FALSE(SortsAfterBlank(" "));
    EXPECT_FALSE(SortsAfterBlank("\t9"));
    EXPECT_TRUE(SortsAfterBlank("  "));
    EXPECT_TRUE(SortsAfterBlank("0"));
    EXPECT_TRUE(SortsAfterBlank("\xc3\xa6"));  // æ
}

// The checks a second front end relies on: order, write-through and the
// message naming the broken bound.
TEST(ProjectionInputRules, FirstBadFieldStopsTheCheck) {
    struct Row {
        const char *children, *year, *age;
        bool filled;
        int32_t error;
        const char* message;
    };
    const Row rows[] = {
        {"1.8", "2000", "99", true, 0, ""},
        {"", "2030", "67", false, 0, ""},
        {"7", "1999", "10", true, 1, "Antal børn højst 6"},
        {"0", "2030", "67", true, 1, "Antal børn højst 6"},
        {"6", "1999", "67", true, 2, "Årstal>=2000"},
        {"6", "2101", "67", true, 2, "Årstal<=2100"},
        {"6", "2100", "49", true, 3, "Pensionsalder mellem 50 og 99"},
        {"6", "2100", "100", true, 3, "Pensionsalder mellem 50 og 99"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.children) + " " + row.year + " " + row.age);
        ModelState s;
        s.BaseYear = 2000;
        s.TargetYear = -1;
        const ProjectionInputCheck check = CheckProjectionInputs(s, row.children, row.year, row.age);
        EXPECT_EQ(check.Filled, row.filled);
        EXPECT_EQ(check.InputError, row.error);
        EXPECT_EQ(ProjectionInputMessage(check.InputError, s), row.message);
        // The year is written only when the children passed.
        EXPECT_EQ(s.TargetYear == -1, !row.filled || row.error == 1);
    }
}

TEST(LifetimeInputRules, SexFieldsAndValidity) {
    LifetimeState in;
    in.PersonCount = 1;
    in.AgeA = 45;
    ReadLifetimeSexes(in, "M", "");
    EXPECT_EQ(in.SexCode, 'm');
    EXPECT_EQ(in.SexWordA, "Mand  ");
    EXPECT_TRUE(LifetimeInputsValid(in));
    in.AgeA = 100;  // a refused age stays stored
    EXPECT_FALSE(LifetimeInputsValid(in));

    in.PersonCount = 2;
    in.AgeA = 45;
    in.AgeB = 70;
    ReadLifetimeSexes(in, "", "");
    EXPECT_FALSE(LifetimeInputsValid(in)) << "B's sex is missing";
    ReadLifetimeSexes(in, "", "k");
    EXPECT_EQ(in.SexCode, 'b');
    EXPECT_EQ(in.SexWordA, "Mand  ") << "an empty field keeps the word";
    EXPECT_EQ(in.SexWordB, "Kvinde");
    EXPECT_TRUE(LifetimeInputsValid(in));
}

}  // namespace
