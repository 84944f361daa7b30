#include <climits>
#include <cmath>
#include <vector>

#include "NumberText.h"

#include "ModelFixture.h"

namespace {

using Projection = ModelTest;

double Births() {
    double b = 0;
    for (int g = 0; g < 6; ++g)
        for (int i = 0; i < 5; ++i) b += State.PopFemale[15 + 5 * g + i] * State.Fertility[g];
    return b;
}

TEST_F(Projection, StartStateHasBaseYear2008AndEmptyWorkingArrays) {
    EXPECT_EQ(State.BaseYear, 2008);
    for (int a = 0; a <= MaxAge; ++a) {
        EXPECT_EQ(State.PopMale[a], 0);
        EXPECT_EQ(State.PopFemale[a], 0);
    }
    EXPECT_TRUE(State.TableLines.empty());
    EXPECT_TRUE(State.PrintLines.empty());
}

TEST_F(Projection, BaseYearsAreListedFromOne) {
    ListBaseYears();
    EXPECT_EQ(State.YearChoices[1], 1980);
    EXPECT_EQ(State.YearChoices[2], 1990);
    EXPECT_EQ(State.YearChoices[3], 2000);
    EXPECT_EQ(State.YearChoices[4], 2008);
}

// Which data set a projection from a year uses, with and without base data
// added while the program runs; the newest is the fallback.
TEST_F(Projection, BaseDataSetForAYear) {
    BaseDataSet added2020 = State.BaseDataSets[3];
    added2020.Year = 2020;
    BaseDataSet added2000 = State.BaseDataSets[0];
    added2000.Year = 2000;
    struct Row {
        const char* name;
        std::vector<BaseDataSet> added;
        int32_t year;
        int32_t setYear;
        double firstMale;  // PopulationMale[0] of the set used
        std::vector<int32_t> years;
    };
    const double male1980 = State.BaseDataSets[0].PopulationMale[0];
    const double male2000 = State.BaseDataSets[2].PopulationMale[0];
    const double male2008 = State.BaseDataSets[3].PopulationMale[0];
    const std::vector<int32_t> builtIn = {1980, 1990, 2000, 2008};
    const Row rows[] = {
        {"a built-in year", {}, 2000, 2000, male2000, builtIn},
        {"a year between sets", {}, 1995, 2008, male2008, builtIn},
        {"year 0", {}, 0, 2008, male2008, builtIn},
        {"the lowest year", {}, INT32_MIN, 2008, male2008, builtIn},
        {"an added year", {added2020}, 2020, 2020, male2008, {1980, 1990, 2000, 2008, 2020}},
        {"the added year is the newest", {added2020}, 1995, 2020, male2008, {1980, 1990, 2000, 2008, 2020}},
        {"an added set replaces its year", {added2000}, 2000, 2000, male1980, builtIn},
        {"added twice, listed once", {added2020, added2020}, 2008, 2008, male2008, {1980, 1990, 2000, 2008, 2020}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State = ModelState();
        LoadAllData();
        for (const BaseDataSet& set : r.added) AddBaseDataSet(set);
        EXPECT_EQ(ProjectionBaseYears(), r.years);
        const BaseDataSet& set = BaseDataSetFor(r.year);
        EXPECT_EQ(set.Year, r.setYear);
        EXPECT_EQ(set.PopulationMale[0], r.firstMale);
        EXPECT_EQ(HasBaseDataSet(r.year), r.year == r.setYear);
        // The projection starts from the same set and says so.
        Project(r.year, 2030, 1.8);
        EXPECT_EQ(State.BaseYear, r.setYear);
        EXPECT_EQ(State.YearChoices[static_cast<int>(r.years.size())], r.years.back());
    }
}

TEST_F(Projection, SetUpFoldsAge100IntoAge99AndKeepsIt) {
    Project(2008, 2008, 1.56);
    EXPECT_EQ(State.YearsToProject, 0);
    EXPECT_EQ(State.PopMale[100], 103);
    EXPECT_EQ(State.PopFemale[100], 628);
    EXPECT_EQ(State.PopMale[99], 79 + 103);
    EXPECT_EQ(State.PopFemale[99], 464 + 628);
    EXPECT_FALSE(State.ExactFigures);
    EXPECT_EQ(State.GroupCount, 20);
    EXPECT_EQ(State.GroupSpan, 4);
    // Nothing else moved.
    const BaseDataSet& set = State.BaseDataSets[3];
    for (int a = 0; a < 99; ++a) EXPECT_EQ(State.PopMale[a], set.PopulationMale[a]) << a;
}

TEST_F(Projection, BaseYearWithoutDataSetFallsBackToNewest) {
    Project(1995, 2000, 1.56);
    EXPECT_EQ(State.BaseYear, 2008);
    EXPECT_EQ(State.YearsToProject, 2000 - 2008);
    EXPECT_EQ(State.PopFemale[0], State.BaseDataSets[3].PopulationFemale[0]);
}

TEST_F(Projection, OneStepFrom2000) {
    ListBaseYears();
    State.BaseYear = 2000;
    State.TargetYear = 2001;
    State.ChildrenPerFamily = 1.56;
    SetUpProjection();
    const double expectedRates[6] = {0.007, 0.045, 0.11, 0.096, 0.037, 0.005};
    for (int g = 0; g < 6; ++g) EXPECT_NEAR(State.Fertility[g], expectedRates[g], 1e-15);
    const double births = Births();
    EXPECT_EQ(FormatFixed(births, 0, 3), "56950.902");
    RunProjection();
    EXPECT_NEAR(State.PopMale[0], 0.9919 * 29387, 1e-9);    // boys 29387
    EXPECT_NEAR(State.PopFemale[0], 0.9935 * 27564, 1e-9);  // girls 27564
    EXPECT_NEAR(State.PopMale[0], 29148.9653, 1e-6);
    EXPECT_NEAR(State.PopFemale[0], 27384.834, 1e-6);
    EXPECT_NEAR(State.PopMale[1], 33718.16076, 1e-6);
    // Everybody a year older, by each sex's own survivors.
    EXPECT_NEAR(State.PopFemale[1], 32266.09204, 1e-5);
    EXPECT_NEAR(State.PopMale[50], 38481.31203, 1e-5);
    EXPECT_NEAR(State.PopFemale[50], 37758.80125, 1e-5);
    EXPECT_NEAR(State.PopFemale[99], 360.57200, 1e-5);
}

TEST_F(Projection, OneStepFrom2008WithTwoChildren) {
    ListBaseYears();
    State.BaseYear = 2008;
    State.TargetYear = 2009;
    State.ChildrenPerFamily = 2.0;
    SetUpProjection();
    const double births = Births();
    EXPECT_EQ(FormatFixed(births, 0, 3), "65501.515");
    RunProjection();
    EXPECT_NEAR(State.PopFemale[0], (1 - 0.0065) * 31703, 1e-9);
    EXPECT_NEAR(State.PopMale[0], (1 - 0.0081) * 33799, 1e-9);
}

TEST_F(Projection, FirstYearMortalityDecaysAndAge100Stays) {
    for (int base : {1990, 2000, 2008}) {
        Project(base, base + 1, 1.56);
        EXPECT_NEAR(State.NewbornMortalityMale, 0.007938, 1e-15) << base;
        EXPECT_NEAR(State.NewbornMortalityFemale, 0.00637, 1e-15) << base;
    }
    Project(2008, 2100, 6.0);
    EXPECT_EQ(State.PopMale[100], 103);
    EXPECT_EQ(State.PopFemale[100], 628);
    EXPECT_NEAR(State.NewbornMortalityMale, 0.0081 * std::pow(0.98, 92), 1e-12);
}

TEST_F(Projection, MortalityAboveOneIsCapped) {
    Project(2008, 2008, 1.56);
    State.NewbornMortalityMale = 1.5;
    State.NewbornMortalityFemale = 1.03;
    State.YearsToProject = 1;
    RunProjection();
    EXPECT_EQ(State.NewbornMortalityMale, 1.0);
    EXPECT_EQ(State.NewbornMortalityFemale, 1.0);
}

TEST_F(Projection, OnlyWomenFifteenToFortyFourGiveBirth) {
    Project(2008, 2008, 1.56);
    for (int a = 0; a <= MaxAge; ++a) {
        if (a < 15 || a > 44) State.PopFemale[a] = 1e9;
    }
    const double withOthers = Births();
    Project(2008, 2008, 1.56);
    EXPECT_EQ(Births(), withOthers);
    State.YearsToProject = 1;
    const double before = Births();
    RunProjection();
    EXPECT_NEAR(State.PopMale[0] / 0.9919 + State.PopFemale[0] / 0.9935, before, 1.0);
}

TEST_F(Projection, RepeatedSetUpGivesTheSameResult) {
    Project(1980, 2100, 1.8);
    double first[AgeCount];
    std::copy(std::begin(State.PopMale), std::end(State.PopMale), first);
    Project(1980, 2100, 1.8);
    for (int a = 0; a <= MaxAge; ++a) EXPECT_EQ(State.PopMale[a], first[a]);
}

}  // namespace
