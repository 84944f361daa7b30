// The built-in tables: censuses and base data sets as loaded at start.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CoreGlobals.h"
#include "Lys_erkl.h"

namespace {

class BuiltInData : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreGlobals(); }
};

template <std::size_t N>
double Sum(const double (&values)[N]) {
    double s = 0;
    for (double v : values) s += v;
    return s;
}

template <std::size_t N>
double SumRange(const double (&values)[N], int from, int to) {
    double s = 0;
    for (int a = from; a <= to; ++a) s += values[a];
    return s;
}

// ---------------------------------------------------------------------------
// Censuses
// ---------------------------------------------------------------------------

struct CensusFacts {
    int year;
    double men, women, total;
    double firstMale, firstFemale, lastMale, lastFemale;
};

constexpr CensusFacts Censuses[] = {
    {1787, 416195, 423850, 840045, 97303, 97283, 94, 203},
    {1801, 458683, 466992, 925675, 106950, 106888, 123, 232},
    {1840, 633203, 649814, 1283017, 80114, 79145, 203, 306},
    {1860, 793187, 807359, 1600546, 106135, 104331, 180, 349},
    {1880, 966773, 1001153, 1967926, 127731, 125207, 261, 536},
    {1901, 1190307, 1253141, 2443448, 153551, 151560, 325, 708},
    {1911, 1333045, 1414162, 2747207, 167812, 165421, 616, 1133},
    {1921, 1586437, 1671816, 3258253, 172565, 168951, 670, 1233},
    {1930, 1732164, 1811106, 3543270, 157168, 153943, 811, 1247},
    {1940, 1899766, 1943980, 3843746, 162292, 156793, 1050, 1392},
    {1950, 2123100, 2158175, 4281275, 213618, 204037, 1474, 2245},
    {1960, 2273208, 2312048, 4585256, 188070, 179404, 1973, 2963},
    {1970, 2442481, 2478485, 4920966, 199893, 189519, 3196, 4915},
    {1980, 2529053, 2593612, 5122665, 164317, 156983, 4642, 9420},
    {1990, 2530516, 2604568, 5135084, 147296, 139781, 5963, 16238},
    {2000, 2634043, 2695565, 5329608, 174829, 165764, 7061, 23101},
    {2006, 2685846, 2741613, 5427459, 166289, 158863, 8532, 26439},
};
static_assert(std::size(Censuses) == CensusYearCount);

template <typename Record>
void ExpectCensus(const Record& record, const CensusFacts& facts) {
    SCOPED_TRACE(facts.year);
    EXPECT_EQ(record.Year, facts.year);
    EXPECT_EQ(Sum(record.Male), facts.men);
    EXPECT_EQ(Sum(record.Female), facts.women);
    EXPECT_EQ(Sum(record.Male) + Sum(record.Female), facts.total);
    EXPECT_EQ(record.Male[0], facts.firstMale);
    EXPECT_EQ(record.Female[0], facts.firstFemale);
    EXPECT_EQ(std::end(record.Male)[-1], facts.lastMale);
    EXPECT_EQ(std::end(record.Female)[-1], facts.lastFemale);
}

TEST_F(BuiltInData, EveryCensusHasItsTotalsAndEndGroups) {
    for (int i = 0; i < EarlyCensusCount; ++i) ExpectCensus(State.EarlyCensuses[i], Censuses[i]);
    for (int i = 0; i < CensusCount; ++i) ExpectCensus(State.Censuses[i], Censuses[EarlyCensusCount + i]);
}

TEST_F(BuiltInData, CensusGroupsAreWholeAndPositive) {
    auto check = [](const auto& record) {
        SCOPED_TRACE(record.Year);
        for (double v : record.Male) EXPECT_TRUE(v > 0 && std::trunc(v) == v) << v;
        for (double v : record.Female) EXPECT_TRUE(v > 0 && std::trunc(v) == v) << v;
    };
    for (const auto& r : State.EarlyCensuses) check(r);
    for (const auto& r : State.Censuses) check(r);
}

// One full row each of a ten-year and a five-year census: a shifted or
// swapped group keeps the totals but not the rows.
TEST_F(BuiltInData, CensusRowsInFull) {
    const double men1801[10] = {106950, 80452, 72619, 62030, 54329, 41723, 27334, 10755, 2368, 123};
    const double women2006[19] = {158863, 165765, 170866, 152709, 143727, 165979, 191666,
                                  197656, 202298, 184057, 178458, 189494, 170938, 128175,
                                  104337, 89469,  74230,  46487,  26439};
    for (int g = 0; g < 10; ++g) EXPECT_EQ(State.EarlyCensuses[1].Male[g], men1801[g]) << g;
    for (int g = 0; g < 19; ++g) EXPECT_EQ(State.Censuses[CensusCount - 1].Female[g], women2006[g]) << g;
}

// ---------------------------------------------------------------------------
// Base data sets
// ---------------------------------------------------------------------------

struct SetFacts {
    const char* name;
    int year;
    double menTotal, womenTotal;
    double survivorsMale[3], survivorsFemale[3];    // at ages 1, 65, 100
    double populationMale[3], populationFemale[3];  // at ages 0, 99, 100
    double fertility[6];
    double childrenPerWoman, newbornMale, newbornFemale;
};

constexpr int SurvivorAges[3] = {1, 65, 100};
constexpr int PopulationAges[3] = {0, 99, 100};

const SetFacts Sets[] = {
    {"Y1980", 1980, 2529013, 2592897, {99005, 73475, 164}, {99268, 83612, 781}, {30347, 43, 0},
     {28886, 91, 0}, {15, 92, 120, 55, 15, 3}, 1.5, 0.0096, 0.0069},
    {"Y1990", 1990, 2530516, 2604568, {99347, 76429, 218}, {99496, 84325, 710}, {31369, 55, 0},
     {29863, 210, 0}, {15, 92, 120, 55, 15, 3}, 1.56, 0.0081, 0.0065},
    {"Y2000", 2000, 2634043, 2695565, {99446, 80570, 264}, {99599, 87003, 1233}, {33906, 57, 0},
     {32396, 352, 0}, {7, 45, 110, 96, 37, 5}, 1.56, 0.0081, 0.0065},
    {"Y2008", 2008, 2712666, 2763125, {99525, 82003, 374}, {99645, 88676, 1385}, {32976, 79, 103},
     {31436, 464, 628}, {7, 45, 110, 96, 37, 5}, 1.56, 0.0081, 0.0065},
};

class BaseDataSetFacts : public BuiltInData, public ::testing::WithParamInterface<int> {
protected:
    const SetFacts& facts() const { return Sets[GetParam()]; }
    const BaseDataSet& set() const { return State.BaseDataSets[GetParam()]; }
};

TEST_P(BaseDataSetFacts, YearAndScalars) {
    EXPECT_EQ(set().Year, facts().year);
    for (int g = 0; g < 6; ++g) EXPECT_EQ(set().Fertility[g], facts().fertility[g]) << g;
    EXPECT_EQ(set().ChildrenPerWoman, facts().childrenPerWoman);
    EXPECT_EQ(set().NewbornMortalityMale, facts().newbornMale);
    EXPECT_EQ(set().NewbornMortalityFemale, facts().newbornFemale);
}

TEST_P(BaseDataSetFacts, WholeNonNegativeCounts) {
    for (const double* column : {set().SurvivorsMale, set().SurvivorsFemale, set().PopulationMale,
                                 set().PopulationFemale}) {
        for (int a = 0; a <= MaxAge; ++a) {
            EXPECT_GE(column[a], 0) << a;
            EXPECT_EQ(std::trunc(column[a]), column[a]) << a;
        }
    }
}

TEST_P(BaseDataSetFacts, TotalsPerSex) {
    EXPECT_EQ(Sum(set().PopulationMale), facts().menTotal);
    EXPECT_EQ(Sum(set().PopulationFemale), facts().womenTotal);
}

TEST_P(BaseDataSetFacts, PublishedSingleAges) {
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(SurvivorAges[i]);
        EXPECT_EQ(set().SurvivorsMale[SurvivorAges[i]], facts().survivorsMale[i]);
        EXPECT_EQ(set().SurvivorsFemale[SurvivorAges[i]], facts().survivorsFemale[i]);
    }
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(PopulationAges[i]);
        EXPECT_EQ(set().PopulationMale[PopulationAges[i]], facts().populationMale[i]);
        EXPECT_EQ(set().PopulationFemale[PopulationAges[i]], facts().populationFemale[i]);
    }
}

// The projection divides by these columns.
TEST_P(BaseDataSetFacts, SurvivorsFromHundredThousandPositiveNeverRising) {
    for (const double* column : {set().SurvivorsMale, set().SurvivorsFemale}) {
        EXPECT_EQ(column[0], 100000);
        for (int a = 1; a <= MaxAge; ++a) {
            EXPECT_GT(column[a], 0) << a;
            EXPECT_LE(column[a], column[a - 1]) << a;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, BaseDataSetFacts, ::testing::Range(0, BaseDataSetCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(Sets[info.param].name);
                         });

// The 1990 and 2000 sets are the censuses of the same year in single ages;
// everybody from 90 to 100 belongs to the census group of 90 and over.
TEST_F(BuiltInData, SetsOf1990And2000RegroupToTheirCensuses) {
    struct Pair {
        int set;
        int census;
    };
    for (Pair p : {Pair{1, CensusCount - 3}, Pair{2, CensusCount - 2}}) {
        const BaseDataSet& set = State.BaseDataSets[p.set];
        const CensusRecord& census = State.Censuses[p.census];
        SCOPED_TRACE(set.Year);
        ASSERT_EQ(census.Year, set.Year);
        for (int g = 0; g < 18; ++g) {
            EXPECT_EQ(SumRange(set.PopulationMale, 5 * g, 5 * g + 4), census.Male[g]) << g;
            EXPECT_EQ(SumRange(set.PopulationFemale, 5 * g, 5 * g + 4), census.Female[g]) << g;
        }
        EXPECT_EQ(SumRange(set.PopulationMale, 90, MaxAge), census.Male[18]);
        EXPECT_EQ(SumRange(set.PopulationFemale, 90, MaxAge), census.Female[18]);
    }
}

TEST_F(BuiltInData, SurvivorColumnsOf2008InFull) {
    const double male[AgeCount] = {
        100000, 99525, 99479, 99457, 99444, 99435, 99426, 99413, 99397, 99387, 99378, 99367, 99359,
        99351,  99335, 99311, 99286, 99245, 99194, 99137, 99073, 98998, 98913, 98838, 98772, 98710,
        98643,  98574, 98512, 98445, 98378, 98303, 98213, 98122, 98035, 97948, 97853, 97745, 97619,
        97484,  97341, 97176, 96976, 96762, 96549, 96307, 96029, 95738, 95416, 95049, 94619, 94129,
        93598,  93010, 92384, 91743, 91050, 90291, 89506, 88628, 87782, 86801, 85725, 84569, 83322,
        82003,  80587, 79077, 77526, 75828, 73938, 71906, 69703, 67325, 64779, 62049, 59133, 56096,
        53012,  49735, 46306, 42819, 39302, 35748, 32087, 28426, 24928, 21586, 18397, 15400, 12591,
        10131,  8021,  6119,  4595,  3375,  2372,  1656,  1095,  675,   374};
    const double female[AgeCount] = {
        100000, 99645, 99611, 99594, 99585, 99575, 99566, 99557, 99546, 99538, 99533, 99524, 99517,
        99513,  99505, 99488, 99466, 99441, 99414, 99393, 99379, 99365, 99346, 99324, 99306, 99281,
        99251,  99228, 99203, 99171, 99136, 99106, 99076, 99040, 99002, 98952, 98897, 98844, 98785,
        98712,  98635, 98551, 98450, 98333, 98200, 98042, 97873, 97696, 97481, 97248, 97009, 96739,
        96394,  96017, 95647, 95243, 94366, 94291, 93756, 93183, 92601, 91953, 91192, 90397, 89052,
        88676,  87693, 86629, 85508, 84272, 82882, 81314, 79609, 77778, 75787, 73640, 71322, 68818,
        66205,  63451, 60480, 57345, 54013, 50494, 46909, 43237, 39385, 35461, 31565, 27662, 23831,
        20209,  16826, 13714, 10941, 8556,  6480,  4782,  3430,  2371,  1385};
    const BaseDataSet& set = State.BaseDataSets[BaseDataSetCount - 1];
    for (int a = 0; a <= MaxAge; ++a) {
        EXPECT_EQ(set.SurvivorsMale[a], male[a]) << a;
        EXPECT_EQ(set.SurvivorsFemale[a], female[a]) << a;
    }
}

// The published one-year births of the 2008 set (65501.515 at children per
// family 2.0) pin the women of the mothers' ages: the rates per 1000 times
// the women of each group add up to exactly this.
TEST_F(BuiltInData, WomenOfMothersAgesIn2008) {
    const BaseDataSet& set = State.BaseDataSets[BaseDataSetCount - 1];
    double weighted = 0;
    for (int g = 0; g < 6; ++g) weighted += set.Fertility[g] * SumRange(set.PopulationFemale, 15 + 5 * g, 19 + 5 * g);
    EXPECT_EQ(weighted, 51091182);
}

// The 2000 set's base-year interval sums follow from its census groups.
TEST_F(BuiltInData, IntervalSumsOf2000) {
    const BaseDataSet& set = State.BaseDataSets[2];
    EXPECT_EQ(SumRange(set.PopulationMale, 0, 4) + SumRange(set.PopulationFemale, 0, 4), 340593);
    EXPECT_EQ(SumRange(set.PopulationMale, 65, 99) + SumRange(set.PopulationFemale, 65, 99), 789990);
}

}  // namespace
