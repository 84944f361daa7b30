// Net migration in the projection: the standard profile, the step with
// migrants half at the start and half at the end of each year, and the
// dialog's field.
#include <cmath>
#include <cstring>
#include <limits>

#include "InputRules.h"
#include "Migration.h"
#include "ViewTables.h"

#include "ModelFixture.h"

namespace {

using Migration = ModelTest;

TEST_F(Migration, StandardProfileIsTheModelScheduleSplitEvenly) {
    const MigrationProfile& p = StandardMigrationProfile();
    double sum = 0;
    for (int x = 0; x < MigrationAges; ++x) {
        EXPECT_EQ(p.Male[x], p.Female[x]) << x;
        sum += p.Male[x] + p.Female[x];
    }
    EXPECT_NEAR(sum, 1, 1e-14);
    // r(20) = 0.02 e^-2 + 0.06 e^-1 + 0.003 over a sum of r of 1.05378707...
    EXPECT_NEAR(2 * p.Male[20], 0.026361560897313587, 1e-15);
    EXPECT_NEAR(2 * p.Male[0], 0.02182604110298737, 1e-15);
    EXPECT_NEAR(2 * p.Male[99], 0.0028689364098949334, 1e-15);
    EXPECT_EQ(State.Migration, p) << "the profile in force at start";
    EXPECT_EQ(MigrationProfileName(p), "Standardprofil");
}

// One year from 2000 with 1000 net migrants, step by step as a pupil's
// calculator would: half the migrants, births from the women then, survival
// and newborns, the other half.
TEST_F(Migration, OneYearWithAThousandMigrants) {
    Project(2000, 2000, 1.56);
    const ModelState start = State;
    double half[MigrationAges];
    for (int x = 0; x < MigrationAges; ++x) half[x] = 1000 * (2 * start.Migration.Male[x]) / 2 / 2;
    EXPECT_NEAR(half[20], 6.590390224328397, 1e-12);

    double men[AgeCount], women[AgeCount];
    for (int x = 0; x <= MaxAge; ++x) {
        men[x] = start.PopMale[x] + (x < 100 ? half[x] : 0);
        women[x] = start.PopFemale[x] + (x < 100 ? half[x] : 0);
    }
    double births = 0;
    for (int g = 0; g < 6; ++g)
        for (int i = 0; i < 5; ++i) births += women[15 + 5 * g + i] * start.Fertility[g];
    const double girls = std::trunc(0.484 * births + 0.5), boys = std::trunc(births - girls + 0.5);
    double expectMale[AgeCount], expectFemale[AgeCount];
    for (int x = 1; x <= 99; ++x) {
        expectMale[x] = men[x - 1] / start.SurvivorsMale[x - 1] * start.SurvivorsMale[x] + half[x];
        expectFemale[x] = women[x - 1] / start.SurvivorsFemale[x - 1] * start.SurvivorsFemale[x] + half[x];
    }
    expectMale[0] = (1 - start.NewbornMortalityMale) * boys + half[0];
    expectFemale[0] = (1 - start.NewbornMortalityFemale) * girls + half[0];

    State.NetMigration = 1000;
    State.YearsToProject = 1;
    RunProjection();
    for (int x = 0; x <= 99; ++x) {
        EXPECT_NEAR(State.PopMale[x], expectMale[x], 1e-9) << x;
        EXPECT_NEAR(State.PopFemale[x], expectFemale[x], 1e-9) << x;
    }
    EXPECT_EQ(State.PopMale[100], start.PopMale[100]) << "nobody migrates at 100";
}

// Year by year (as "Afspil prognose" runs it) gives the very figures of the
// whole projection, with immigration and with emigration.
TEST_F(Migration, YearByYearIsTheWholeProjection) {
    for (const int32_t n : {30000, -60000}) {
        SCOPED_TRACE(n);
        State.NetMigration = n;
        Project(1980, 2020, 1.8);
        const ModelState whole = State;
        Project(1980, 1980, 1.8);
        State.YearsToProject = 1;
        for (int year = 1980; year < 2020; ++year) RunProjection();
        EXPECT_EQ(std::memcmp(State.PopMale, whole.PopMale, sizeof whole.PopMale), 0);
        EXPECT_EQ(std::memcmp(State.PopFemale, whole.PopFemale, sizeof whole.PopFemale), 0);
    }
}

TEST_F(Migration, NoMigrationLeavesEveryFigureBitForBit) {
    Project(1980, 2100, 1.8);
    const ModelState plain = State;
    State = ModelState();
    LoadAllData();
    // Whatever profile is chosen, N = 0 adds nothing at all.
    State.Migration.Male[30] = std::numeric_limits<double>::quiet_NaN();
    Project(1980, 2100, 1.8);
    EXPECT_EQ(std::memcmp(State.PopMale, plain.PopMale, sizeof plain.PopMale), 0);
    EXPECT_EQ(std::memcmp(State.PopFemale, plain.PopFemale, sizeof plain.PopFemale), 0);
}

TEST_F(Migration, EmigrationNeverLeavesLessThanNobody) {
    double male[MigrationAges] = {}, female[MigrationAges] = {};
    male[99] = 1;  // all leavers are old men
    ASSERT_TRUE(ProfileFromCounts(2023, male, female, MigrationAges, State.Migration));
    State.NetMigration = LeastNetMigration;
    Project(2008, 2010, 1.8);
    EXPECT_EQ(State.PopMale[99], 0);
    EXPECT_GT(State.PopFemale[99], 0);
    for (int x = 0; x <= MaxAge; ++x) EXPECT_GE(State.PopMale[x], 0) << x;
}

TEST_F(Migration, ProfileFromAYearsCounts) {
    // Ages 0..100, the last one folded into 99; a net emigration at some
    // ages is a negative share.
    double male[101] = {}, female[101] = {};
    male[25] = 300, female[25] = 200, male[60] = -100, male[100] = 100;
    MigrationProfile p;
    ASSERT_TRUE(ProfileFromCounts(2023, male, female, 101, p));
    EXPECT_EQ(p.Year, 2023);
    EXPECT_EQ(p.Male[25], 0.6);
    EXPECT_EQ(p.Female[25], 0.4);
    EXPECT_EQ(p.Male[60], -0.2);
    EXPECT_EQ(p.Male[99], 0.2);
    EXPECT_EQ(MigrationProfileName(p), "Som i 2023");

    // Counts that cancel out, or are no numbers, give no profile.
    const MigrationProfile kept = p;
    male[100] = -400;
    EXPECT_FALSE(ProfileFromCounts(2024, male, female, 101, p));
    male[100] = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ProfileFromCounts(2024, male, female, 101, p));
    EXPECT_FALSE(ProfileFromCounts(2024, male, female, 0, p));
    EXPECT_EQ(p, kept);
}

TEST(NetMigrationField, WholeNumbersInTheRange) {
    struct Row {
        const char* text;
        bool filled, valid;
        int32_t value;
    };
    const Row rows[] = {
        {"0", true, true, 0},
        {"30000", true, true, 30000},
        {"-100000", true, true, -100000},
        {"200000", true, true, 200000},
        {"-100001", true, false, 0},
        {"200001", true, false, 0},
        {"", false, false, 0},
        {"-", true, false, 0},
        {"--5", true, false, 0},
        {"5-", true, false, 0},
        {"+5", true, false, 0},
        {" 5", true, false, 0},
        {"1e3", true, false, 0},
        {"4294967363", true, false, 0},  // never wraps to 67
        {"-2147483648", true, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const NetMigrationCheck check = CheckNetMigration(row.text);
        EXPECT_EQ(check.Filled, row.filled);
        EXPECT_EQ(check.Valid, row.valid);
        if (row.valid) {
            EXPECT_EQ(check.Value, row.value);
        }
    }
    EXPECT_STREQ(NetMigrationMessage, "Nettoindvandring mellem -100000 og 200000");
    std::u32string kept;
    for (char32_t c : std::u32string(U"-0189a,.+ \x0661\b"))
        if (const char32_t k = FilterKey(FieldKeys::Signed, c)) kept += k;
    EXPECT_EQ(kept, U"-0189\b");
}

TEST_F(Migration, InputsShowTheMigrationOnlyWhenThereIsSome) {
    Project(2000, 2030, 1.8);
    State.RetirementAge = 67;
    ComputeGroupTotals();
    const std::vector<std::string> plainTable = ProjectionTableLines();
    const std::vector<std::string> plainText = ModelTextLines(",");
    EXPECT_EQ(plainText.size(), 5u);

    State.NetMigration = 30000;
    std::vector<std::string> table = ProjectionTableLines();
    EXPECT_EQ(table[7], plainTable[7] + "    Nettoindvandring pr. år:   30000");
    table[7] = plainTable[7];
    EXPECT_EQ(table, plainTable) << "one line more, nothing else";
    const std::vector<std::string> text = ModelTextLines(",");
    ASSERT_EQ(text.size(), 7u);
    EXPECT_EQ(text[4], " Nettoindvandring pr. år           : 30000");
    EXPECT_EQ(text[5], " Aldersprofil                      : Standardprofil");

    double counts[MigrationAges] = {};
    counts[30] = 1;
    ProfileFromCounts(2023, counts, counts, MigrationAges, State.Migration);
    State.NetMigration = -5000;
    EXPECT_EQ(ProjectionTableLines()[7], plainTable[7] + "    Nettoindvandring pr. år:   -5000");
    EXPECT_EQ(ProjectionTableLines()[9], plainTable[9] + "    Aldersprofil: Som i 2023");
}

}  // namespace
