#include <gtest/gtest.h>

#include <cmath>

#include "AgeInterval.h"
#include "CoreGlobals.h"
#include "Lifetime.h"
#include "ProjectionCommands.h"
#include "StatbankImports.h"
#include "StatbankSamples.h"

namespace {

class StatbankImportsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreGlobals(); }
    void TearDown() override { ForgetStatbankImports(); }
};

std::string Population(std::vector<std::string> periods) {
    samples::TableCsv t;
    t.periods = std::move(periods);
    return samples::Write(t);
}

std::string LifeTable(const std::string& period, int step) {
    std::string out = "KØN;ALDER;TAVLE;TID;INDHOLD\n";
    for (const char* sex : {"Mænd", "Kvinder"}) {
        for (int a = 0; a <= 99; ++a) {
            out += std::string(sex) + ";" + samples::AgeLabel(a, false) + ";Overlevende;" + period + ";" +
                   std::to_string(100000 - step * a) + "\n";
        }
    }
    return out;
}

TEST_F(StatbankImportsTest, PopulationYearsBecomeBaseYearsBesideTheBuiltInOnes) {
    const StatbankImportResult result = ImportStatbankFile(Population({"2008K1", "2024K1", "2025K1", "2025K2"}));
    ASSERT_TRUE(result.Ok) << result.Message;
    EXPECT_EQ(result.Message.rfind("Befolkning 2008-2025 indlæst: 3 år, ", 0), 0u) << result.Message;
    EXPECT_EQ(ImportedBaseYears(), (std::vector<int32_t>{2024, 2025}));  // 2008 stays built in

    const BaseDataSet set = ImportedBaseDataSet(2025);
    const BaseDataSet& newest = State.BaseDataSets[BaseDataSetCount - 1];
    EXPECT_EQ(set.Year, 2025);
    double men5 = 0;  // both regions and both statuses of 2025K1, the file's third period
    for (int r = 0; r < 2; ++r) men5 += samples::Men(r, 0, 2, 5) + samples::Men(r, 1, 2, 5);
    EXPECT_EQ(set.PopulationMale[5], men5);
    EXPECT_EQ(std::vector<double>(set.SurvivorsMale, set.SurvivorsMale + AgeCount),
              std::vector<double>(newest.SurvivorsMale, newest.SurvivorsMale + AgeCount));
    EXPECT_EQ(set.ChildrenPerWoman, newest.ChildrenPerWoman);
    EXPECT_EQ(std::vector<double>(set.Fertility, set.Fertility + 6), std::vector<double>(newest.Fertility, newest.Fertility + 6));
}

TEST_F(StatbankImportsTest, AProjectionStartsFromTheNewestImportedYearUntilForgotten) {
    EXPECT_FALSE(StartFromNewestImport());
    ASSERT_TRUE(ImportStatbankFile(Population({"2024K1", "2025K1"})).Ok);
    EXPECT_EQ(ProjectionBaseYears(), (std::vector<int32_t>{1980, 1990, 2000, 2008, 2024, 2025}));
    ASSERT_TRUE(StartFromNewestImport());
    EXPECT_EQ(State.BaseYear, 2025);
    EXPECT_EQ(State.TargetYear, 2025);
    EXPECT_EQ(State.ChildrenPerFamily, std::round(State.BaseDataSets[3].ChildrenPerWoman * 100) / 100);
    EXPECT_EQ(State.RetirementAge, 67);
    EXPECT_EQ(State.PopFemale[40], ImportedBaseDataSet(2025).PopulationFemale[40]);
    // A projection on from it runs on the file's population.
    State.TargetYear = 2030;
    SetUpProjection();
    RunProjection();
    EXPECT_GT(State.PopMale[5], 0);
    ForgetStatbankImports();
    EXPECT_EQ(ProjectionBaseYears(), (std::vector<int32_t>{1980, 1990, 2000, 2008}));
}

TEST_F(StatbankImportsTest, TheNewestLifeTableNotLaterThanTheBaseYearGivesTheSurvivors) {
    ASSERT_TRUE(ImportStatbankFile(Population({"2022K1", "2025K1"})).Ok);
    ASSERT_TRUE(ImportStatbankFile(LifeTable("2020:2021", 900)).Ok);
    ASSERT_TRUE(ImportStatbankFile(LifeTable("2023:2024", 800)).Ok);
    EXPECT_EQ(ImportedBaseDataSet(2025).SurvivorsFemale[10], 100000 - 8000);
    EXPECT_EQ(ImportedBaseDataSet(2022).SurvivorsFemale[10], 100000 - 9000);
    EXPECT_GT(ImportedBaseDataSet(2022).SurvivorsMale[100], 0);  // carried on past the table's 99
}

// What every test starts from: a reset after a whole session leaves no trace
// of it in the core.
TEST_F(StatbankImportsTest, AResetPutsEveryCoreGlobalBackAsAtStart) {
    ASSERT_TRUE(ImportStatbankFile(Population({"2024K1"})).Ok);
    ASSERT_TRUE(StartFromNewestImport());
    SetProjectionCommandsAvailable(true);
    IntervalFrom = 10, IntervalTo = 20;
    AgeIntervalSummary();
    Lifetime.AgeA = 45, Lifetime.PersonCount = 2;

    ResetCoreGlobals();
    EXPECT_TRUE(ImportedTables.empty());
    EXPECT_EQ(ProjectionBaseYears(), (std::vector<int32_t>{1980, 1990, 2000, 2008}));
    EXPECT_EQ(State.BaseYear, 2008);
    EXPECT_TRUE(State.TableLines.empty());
    EXPECT_FALSE(ProjectionCommands.Projection);
    EXPECT_EQ(IntervalFrom + IntervalTo, 0);
    EXPECT_TRUE(BaseIntervalLine.empty() && TargetIntervalLine.empty());
    EXPECT_EQ(Lifetime.AgeA + Lifetime.PersonCount, 0);
}

TEST_F(StatbankImportsTest, ARefusedFileChangesNothing) {
    ASSERT_TRUE(ImportStatbankFile(Population({"2025K1"})).Ok);
    const std::string before = StatbankImportsText();
    for (const std::string& bad : {std::string("PK\x03\x04", 4), LifeTable("2023:2024", 1100)}) {
        const StatbankImportResult result = ImportStatbankFile(bad);
        EXPECT_FALSE(result.Ok);
        EXPECT_FALSE(result.Message.empty());
        EXPECT_EQ(StatbankImportsText(), before);
    }
}

TEST_F(StatbankImportsTest, RememberedTextGivesTheSameTablesBack) {
    ASSERT_TRUE(ImportStatbankFile(Population({"2024K1", "2025K1"})).Ok);
    ASSERT_TRUE(ImportStatbankFile(LifeTable("2023:2024", 800)).Ok);
    ASSERT_TRUE(ImportStatbankFile(samples::WriteFlatMovements({"2024K1", "2024K2"})).Ok);
    ASSERT_TRUE(ImportStatbankFile(Population({"2025K1"})).Ok);  // the same year again replaces, not adds
    const std::string text = StatbankImportsText();
    const BaseDataSet set = ImportedBaseDataSet(2025);
    ForgetStatbankImports();
    EXPECT_TRUE(ImportedBaseYears().empty());
    RestoreStatbankImports("garbage" + text + "#Lysvandre-tabel\nnot a table\n");
    EXPECT_EQ(StatbankImportsText(), text);
    EXPECT_EQ(ImportedBaseDataSet(2025), set);
    EXPECT_EQ(ImportedBaseYears(), (std::vector<int32_t>{2024, 2025}));
    double men[AgeCount];
    double women[AgeCount];
    ASSERT_TRUE(ImportedMovements(StatbankKind::Immigration, 2024, men, women));
    EXPECT_EQ(men[3], 2 * 2 * 2 * 4);
}

TEST_F(StatbankImportsTest, ActualPopulationInItsOwnGroupsWithTheProjectionsDifference) {
    std::string groups = "\"Befolkningen 1. januar efter køn, alder og tid\"\n , ,2025\n";
    for (const char* sex : {"Mænd", "Kvinder"}) {
        groups += std::string(sex) + ",,\n";
        for (int a = 0; a < 90; a += 10) groups += " ," + std::to_string(a) + "-" + std::to_string(a + 9) + " år,100000\n";
        groups += " ,90 år og derover,100000\n";
    }
    ASSERT_TRUE(ImportStatbankFile(groups).Ok);
    EXPECT_TRUE(HasActualPopulation(2025));
    EXPECT_FALSE(HasActualPopulation(2024));
    const ActualPopulation actual = ActualPopulationOf(2025);
    ASSERT_EQ(actual.Bands.size(), 10u);
    EXPECT_EQ(actual.Total(), 2000000);
    State.TotalMale = 1100000;
    State.TotalFemale = 1200000;
    EXPECT_EQ(ActualPopulationLine(actual), "Faktisk befolkning 2025:  2000000 indb.  Prognosen afviger  15.0 %");
}

// "Som i 2023": 300 men and 200 women of 20 came, 100 men of 30 left, so
// the year's 400 net migrants are 3/4, 1/2 and -1/4 of the profile.
TEST_F(StatbankImportsTest, AYearsNetMigrationIsAProfileScaledToTheNumberGiven) {
    ASSERT_TRUE(ImportStatbankFile(samples::WriteMovements("Indvandrede", {2022, 2023}, [](bool men, int a) -> long {
        return a == 20 ? (men ? 300 : 200) : 0;
    })).Ok);
    EXPECT_EQ(MigrationChoices().size(), 1u) << "immigrations alone give no net migration";
    ASSERT_TRUE(ImportStatbankFile(samples::WriteMovements("Udvandrede", {2023}, [](bool men, int a) -> long {
        return men && a == 30 ? 100 : 0;
    })).Ok);
    const std::vector<MigrationChoice> choices = MigrationChoices();
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].Profile, StandardMigrationProfile());
    EXPECT_EQ(MigrationProfileName(choices[1].Profile), "Som i 2023");
    EXPECT_EQ(choices[1].ProposedNet, 400);

    // One year from 2000 with 800 a year: 300 men of 20 at each end of the year.
    const auto project = [](int32_t net) {
        ChooseMigration(1, net);
        State.BaseYear = 2000;
        State.ChildrenPerFamily = 1.8;
        SetUpProjection();
        State.YearsToProject = 1;
        RunProjection();
        return State;
    };
    const ModelState plain = project(0), moved = project(800);
    EXPECT_EQ(moved.Migration, choices[1].Profile);
    EXPECT_NEAR(moved.PopMale[20] - plain.PopMale[20], 300, 1e-9);
    EXPECT_NEAR(moved.PopMale[21] - plain.PopMale[21], 300 * plain.SurvivorsMale[21] / plain.SurvivorsMale[20], 1e-9);
    EXPECT_NEAR(moved.PopFemale[20] - plain.PopFemale[20], 200, 1e-9);
    EXPECT_NEAR(moved.PopMale[30] - plain.PopMale[30], -100, 1e-9);
    EXPECT_EQ(moved.PopMale[50], plain.PopMale[50]);

    // Forgotten, the profile in force stays on offer with the number in force.
    ForgetStatbankImports();
    ASSERT_EQ(MigrationChoices().size(), 2u);
    EXPECT_EQ(MigrationChoices()[1].Profile, choices[1].Profile);
    EXPECT_EQ(MigrationChoices()[1].ProposedNet, 800);
    ChooseMigration(7, 5);
    EXPECT_EQ(State.Migration, StandardMigrationProfile());
}

// Five-year groups to "85 år og derover" over the projection's pyramid: the
// open group spans the three top rows at a third each, and says so.
TEST_F(StatbankImportsTest, TheActualPopulationIsOutlinedInItsOwnGroups) {
    std::string groups = "\"Befolkningen 1. januar efter køn, alder og tid\"\n , ,2030\n";
    for (const char* sex : {"Mænd", "Kvinder"}) {
        groups += std::string(sex) + ",,\n";
        for (int a = 0; a < 85; a += 5) groups += " ," + std::to_string(a) + "-" + std::to_string(a + 4) + " år,1000\n";
        groups += " ,85 år og derover,3000\n";
    }
    ASSERT_TRUE(ImportStatbankFile(groups).Ok);
    State.BaseYear = 2008;
    State.ChildrenPerFamily = 1.5;
    State.TargetYear = 2030;
    SetUpProjection();
    State.YearsToProject = 22;
    RunProjection();
    ComputeGroupTotals();
    const ChartComparison c = ActualPopulationComparison();
    ASSERT_EQ(c.GroupCount, 20);
    EXPECT_EQ(c.Name, "faktisk befolkning 2030");
    EXPECT_TRUE(c.Actual);
    EXPECT_EQ(c.GroupNote, "(85 og derover samlet)");
    std::vector<int32_t> spans(17, 1);
    spans.insert(spans.end(), {3, 0, 0});
    EXPECT_EQ(std::vector<int32_t>(c.Span, c.Span + 20), spans);
    EXPECT_EQ(std::vector<double>(c.Male + 16, c.Male + 20), (std::vector<double>{1000, 1000, 1000, 1000}));
    State.TargetYear = 2029;
    EXPECT_EQ(ActualPopulationComparison().GroupCount, 0);
}

}  // namespace
