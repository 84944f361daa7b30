// The Ekstra menu's items from where the views stand, and its projection
// commands.
#include "ExtraCommands.h"

#include "ModelFixture.h"
#include "PopulationChart.h"
#include "ProjectionCommands.h"

namespace {

class ExtraCommandsTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Project(2000, 2030, 1.8);
        ComputeGroupTotals();
        BuildProjectionTable();
        State.InputsAccepted = true;
        SetProjectionCommandsAvailable(true);
    }
    PopulationChart projection{ProjectionChartView};
    PopulationChart census{CensusChartView};
};

const ViewsShown ProjectionChart = {.Projection = true};
const ViewsShown ProjectionTable = {.Projection = true, .ProjectionTable = true};
const ViewsShown CensusChart = {.Census = true};

TEST_F(ExtraCommandsTest, ItemsFollowTheChartOnShow) {
    struct Row {
        const char* name;
        ViewsShown shown;
        int32_t mode;
        bool outlineBase, percent;
        int32_t netMigration;
        // Expected: play, compare (checked), census compare shown, without migration, percent, save.
        bool play, compare, compareChecked, censusItemShown, withoutMigration, percentOn, save;
    };
    const Row rows[] = {
        {"projection pyramid", ProjectionChart, DisplayModes::ProjectionPyramid, false, false, 0,
         true, true, false, true, false, false, true},
        {"base year outlined, in percent", ProjectionChart, DisplayModes::ProjectionTotalGraph, true, true, 0,
         true, true, true, true, true, true, true},
        {"with net migration", ProjectionChart, DisplayModes::ProjectionPyramid, false, false, 30000,
         true, true, false, true, true, false, true},
        {"projection table", ProjectionTable, DisplayModes::ProjectionTable, false, false, 30000,
         true, false, false, true, false, false, true},
        {"census chart", CensusChart, DisplayModes::CensusPyramid, false, false, 30000,
         false, true, false, false, false, false, true},
        {"nothing shown", {}, DisplayModes::ProjectionPyramid, false, false, 0,
         false, false, false, true, false, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State.DisplayMode = r.mode;
        State.NetMigration = r.netMigration;
        projection.SetComparison(nullptr);
        if (r.outlineBase) projection.ChooseOutline(BaseYearComparison());
        projection.SetPercent(r.percent);
        const ExtraMenuState menu = ExtraMenu(r.shown, projection, census);
        EXPECT_EQ(menu.Afspilprognose1.Enabled, r.play);
        EXPECT_EQ(menu.Sammenlign1.Enabled, r.compare);
        EXPECT_EQ(menu.Sammenlign1.Checked, r.compareChecked);
        EXPECT_EQ(menu.Sammenlign1.Caption,
                  r.censusItemShown ? "&Sammenlign med basisåret" : "&Sammenlign med folketælling …");
        EXPECT_EQ(menu.Sammenlignfolketlling1.Visible, r.censusItemShown);
        EXPECT_EQ(menu.Sammenlignudenindvandring1.Enabled, r.withoutMigration);
        EXPECT_EQ(menu.Visiprocent1.Checked, r.percentOn);
        EXPECT_EQ(menu.Gemsom1.Enabled, r.save);
        EXPECT_FALSE(menu.Glemindlstetal1.Enabled);
    }
}

TEST_F(ExtraCommandsTest, ProjectAgainKeepsThePictureOnShow) {
    struct Row {
        const char* name;
        bool shown, accepted;
        int32_t mode, expected;
    };
    const Row rows[] = {
        {"pyramid", true, true, DisplayModes::ProjectionPyramid, DisplayModes::ProjectionPyramid},
        {"continued table", true, true, DisplayModes::ContinuedTable, DisplayModes::ProjectionTable},
        {"view hidden", false, true, DisplayModes::ProjectionPyramid, DisplayModes::Nothing},
        {"no inputs", true, false, DisplayModes::ProjectionTable, DisplayModes::Nothing},
        {"nothing on show", true, true, DisplayModes::Nothing, DisplayModes::Nothing},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State.InputsAccepted = r.accepted;
        State.DisplayMode = r.mode;
        State.NetMigration = 0;
        EXPECT_EQ(ProjectAgain(r.shown), r.expected);
    }
    State.InputsAccepted = true;
    State.DisplayMode = DisplayModes::ProjectionTable;
    const double before = State.TotalMale;
    State.NetMigration = 100000;
    ProjectAgain(true);
    EXPECT_GT(State.TotalMale, before) << "the migration now in force is projected";
    EXPECT_EQ(PlaybackMode(), DisplayModes::ProjectionPyramid);
}

TEST_F(ExtraCommandsTest, ForgettingImportsGivesUpOnlyAProjectionFromAnImportedYear) {
    EXPECT_FALSE(ForgetImportedProjection());
    EXPECT_TRUE(ProjectionCommands.Projection);
    State.BaseYear = 2025;  // no data set of its own any longer
    EXPECT_TRUE(ForgetImportedProjection());
    EXPECT_EQ(State.BaseYear, 2008);
    EXPECT_FALSE(State.InputsAccepted);
    EXPECT_FALSE(ProjectionCommands.Projection);
    EXPECT_FALSE(StartNewestImportProjection()) << "nothing imported";
}

}  // namespace
