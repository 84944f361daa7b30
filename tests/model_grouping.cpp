#include "ModelFixture.h"

namespace {

using Grouping = ModelTest;

double Sum(const double* values, int from, int to) {
    double s = 0;
    for (int i = from; i <= to; ++i) s += values[i];
    return s;
}

TEST_F(Grouping, FiveYearCensusTruncatesAndPutsRemainderOnFirstAge) {
    const struct {
        double group, first, others;
    } rows[] = {{12347, 2471, 2469}, {12349, 2473, 2469}, {4, 4, 0}};
    for (const auto& r : rows) {
        State.Censuses[0].Male[3] = r.group;
        State.BaseYear = State.Censuses[0].Year;
        double total = 0;
        GroupCensus(total);
        EXPECT_EQ(State.PopMale[15], r.first) << r.group;
        for (int a = 16; a <= 19; ++a) EXPECT_EQ(State.PopMale[a], r.others) << r.group;
    }
}

TEST_F(Grouping, EveryFiveYearCensusKeepsItsGroups) {
    for (const CensusRecord& census : State.Censuses) {
        State.BaseYear = census.Year;
        for (double& v : State.PopMale) v = 7;  // earlier contents
        double total = 0;
        GroupCensus(total);
        EXPECT_EQ(State.GroupCount, 19);
        EXPECT_EQ(State.GroupSpan, 4);
        double expectedTotal = 0;
        for (int g = 0; g < 19; ++g) {
            EXPECT_EQ(Sum(State.PopMale, 5 * g, 5 * g + 4), census.Male[g]) << census.Year << " group " << g;
            EXPECT_EQ(Sum(State.PopFemale, 5 * g, 5 * g + 4), census.Female[g]) << census.Year << " group " << g;
            expectedTotal += census.Male[g] + census.Female[g];
        }
        EXPECT_EQ(total, expectedTotal) << census.Year;
        for (int a = 95; a <= 99; ++a) EXPECT_EQ(State.PopMale[a], 0) << census.Year;
        EXPECT_EQ(State.PopMale[100], 7) << "age 100 is never written";
        ComputeGroupTotals();
        EXPECT_EQ(State.GroupMale[18], census.Male[18]) << "the group of 90 holds everybody of 90 and over";
        EXPECT_EQ(State.TotalMale + State.TotalFemale, total);
    }
}

TEST_F(Grouping, EarlyCensusesUseTenYearGroupsUnrounded) {
    struct Row {
        int32_t year;
        int record;
    };
    for (Row row : {Row{1787, 0}, Row{1801, 1}, Row{1700, 0}, Row{1800, 0}}) {
        State.BaseYear = row.year;
        double total = 0;
        GroupCensus(total);
        const EarlyCensusRecord& census = State.EarlyCensuses[row.record];
        EXPECT_EQ(State.GroupCount, 10);
        EXPECT_EQ(State.GroupSpan, 9);
        EXPECT_DOUBLE_EQ(State.PopMale[1], census.Male[0] / 10) << row.year;
        for (int g = 0; g < 10; ++g) {
            EXPECT_NEAR(Sum(State.PopFemale, 10 * g, 10 * g + 9), census.Female[g], 1e-9) << row.year;
        }
        ComputeGroupTotals();
        EXPECT_NEAR(total, State.TotalMale + State.TotalFemale, 1e-6);
    }
    State.BaseYear = 1801;
    double total = 0;
    GroupCensus(total);
    EXPECT_EQ(total, 925675);
}

TEST_F(Grouping, ProjectionGroupsCoverAges0To99) {
    Project(2008, 2008, 1.56);
    ComputeGroupTotals();
    EXPECT_EQ(State.TotalMale + State.TotalFemale, 5475791);
    EXPECT_EQ(State.GroupMale[19], Sum(State.PopMale, 95, 99));
    EXPECT_EQ(State.ChartUnit, (State.MaxMaleGroup + State.MaxFemaleGroup) / 360);
}

TEST_F(Grouping, ScaleStepThresholds) {
    struct Row {
        double unit;
        int32_t step;
    };
    State.GroupCount = 1;
    State.GroupSpan = 0;
    for (Row row : {Row{100, 2}, Row{500, 2}, Row{500.01, 5}, Row{2500, 5}, Row{2500.5, 10}, Row{5000, 10},
                    Row{5001, 50}, Row{10000, 50}, Row{10001, 100}, Row{32000, 100}, Row{32000.5, 200}}) {
        State.PopMale[0] = row.unit * 360;
        State.PopFemale[0] = 0;
        ComputeGroupTotals();
        EXPECT_DOUBLE_EQ(State.ChartUnit, row.unit);
        EXPECT_EQ(State.ScaleStep, row.step) << row.unit;
    }
}

TEST_F(Grouping, EmptyPopulationGivesAUsableChartUnit) {
    State.GroupCount = 20;
    State.GroupSpan = 4;
    ComputeGroupTotals();
    EXPECT_GT(State.ChartUnit, 0);
    EXPECT_EQ(State.MaxMaleGroup, 0);
    EXPECT_EQ(State.TotalMale + State.TotalFemale, 0);
}

TEST_F(Grouping, RoundForDisplay) {
    struct Row {
        bool exact;
        double in;
        double out;
    };
    for (Row row : {Row{false, 9950, 10000}, Row{false, 10499, 10000}, Row{false, 12500, 13000},
                    Row{false, 149, 100}, Row{false, 150, 200}, Row{false, 0, 0}, Row{true, 12345, 12345},
                    Row{true, 0.5, 0.5}}) {
        State.ExactFigures = row.exact;
        EXPECT_EQ(RoundForDisplay(row.in), row.out) << row.in;
    }
}

TEST(LargerSmaller, Integers) {
    EXPECT_EQ(LargerOf(3, -4), 3);
    EXPECT_EQ(LargerOf(-4, 3), 3);
    EXPECT_EQ(SmallerOf(3, -4), -4);
    EXPECT_EQ(SmallerOf(7, 7), 7);
}

}  // namespace
