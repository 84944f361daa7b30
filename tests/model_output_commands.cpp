// What printing, copying and saving act on, from where the views stand.
#include "OutputCommands.h"

#include "ModelFixture.h"
#include "TableExport.h"

namespace {

class OutputCommandsTest : public ModelTest {};

ViewsShown Lifetime(bool grid) { return {.LifetimeFront = true, .LifetimeGrid = grid}; }
ViewsShown Projection(bool table) { return {.Projection = true, .ProjectionTable = table}; }
ViewsShown Census(bool table) { return {.Census = true, .CensusTable = table}; }

TEST_F(OutputCommandsTest, PrintCopyAndSaveChooseTheViewOnShow) {
    struct Row {
        const char* name;
        ViewsShown shown;
        bool lifetimeActive;
        int32_t mode;
        bool lines;
        OutputView view;
        OnShow print, save;
    };
    const OutputView L = OutputView::Lifetime, P = OutputView::Projection, C = OutputView::Census,
                     N = OutputView::None;
    const OnShow T = OnShow::Table, G = OnShow::Chart, O = OnShow::Nothing;
    const Row rows[] = {
        {"lifetime table", Lifetime(true), true, 0, true, L, T, T},
        {"lifetime graph", Lifetime(false), true, 0, true, L, G, G},
        {"lifetime table without lines", Lifetime(true), true, 0, false, L, T, O},
        {"lifetime before any result", Lifetime(true), false, 0, true, N, O, O},
        {"projection table", Projection(true), false, DisplayModes::ProjectionTable, true, P, T, T},
        {"projection pyramid", Projection(false), false, DisplayModes::ProjectionPyramid, true, P, G, G},
        {"continued table", Projection(true), false, DisplayModes::ContinuedTable, true, P, T, T},
        {"continuation cancelled from a chart", Projection(false), false, DisplayModes::ContinuedTable, true, P, O, O},
        {"projection before inputs", Projection(false), false, DisplayModes::Nothing, false, P, O, O},
        {"census table", Census(true), false, DisplayModes::CensusTable, true, C, T, T},
        {"census total graph", Census(false), false, DisplayModes::CensusTotalGraph, true, C, G, G},
        {"lifetime covered by the projection", {.LifetimeGrid = true, .Projection = true},
         true, DisplayModes::ProjectionTotalGraph, true, P, G, G},
        {"nothing shown", {}, false, DisplayModes::ProjectionTable, true, N, O, O},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State.LifetimeViewActive = r.lifetimeActive;
        State.DisplayMode = r.mode;
        State.TableLines = r.lines ? std::vector<std::string>{"x"} : std::vector<std::string>{};
        const OutputChoice print = PrintChoice(r.shown);
        EXPECT_EQ(print.What, r.print);
        EXPECT_TRUE(r.print == O || print.View == r.view);
        const OutputChoice save = SaveChoice(r.shown);
        EXPECT_EQ(save.What, r.save);
        EXPECT_TRUE(r.save == O || save.View == r.view);
    }
}

TEST_F(OutputCommandsTest, CopyFollowsTheMenuOpenedLast) {
    Project(2000, 2030, 1.8);
    ComputeGroupTotals();
    State.DisplayMode = DisplayModes::ProjectionPyramid;
    const ViewsShown shown = {.Projection = true, .Census = true};
    EXPECT_EQ(CopyChoice(ActiveViews::Projection, shown).What, OnShow::Chart);
    EXPECT_EQ(CopyChoice(ActiveViews::Census, shown).What, OnShow::Nothing) << "the census view's modes differ";
    EXPECT_EQ(CopyChoice(ActiveViews::None, shown).What, OnShow::Nothing);
    EXPECT_EQ(CopyChoice(ActiveViews::Lifetime, shown).What, OnShow::Nothing) << "no person computed";
}

TEST_F(OutputCommandsTest, SavedFilesAreNamedAndFilledForTheirView) {
    Project(2000, 2030, 1.8);
    ComputeGroupTotals();
    State.DisplayMode = DisplayModes::ProjectionTable;
    BuildProjectionTable();
    const OutputChoice table = SaveChoice(Projection(true));
    EXPECT_EQ(table.Name, "Prognose 2030");
    EXPECT_EQ(SavedTableCsv(table), ProjectionCsv());
    State.DisplayMode = DisplayModes::CensusPyramid;
    EXPECT_EQ(SaveChoice(Census(false)).Name, "Folketælling 2030");
    PreparePrintLines("Klasse 8b");
    EXPECT_EQ(State.PrintLines, HeadedTableLines("Klasse 8b"));
    EXPECT_EQ(State.PrintLines[0], "Klasse 8b");
}

TEST_F(OutputCommandsTest, HeadingFortrydPutsBackWhatTheFieldHeldOnActivation) {
    ActivateHeadingDialog("");
    AcceptHeading("Første");
    ActivateHeadingDialog("Første");
    CancelHeading();
    EXPECT_EQ(Heading.HeadingText, "Første");
    ActivateHeadingDialog("Anden");  // typed, cancelled, shown again: the field kept it
    CancelHeading();
    EXPECT_EQ(Heading.HeadingText, "Anden");
}

TEST_F(OutputCommandsTest, SaveTypeChosenLastIsOfferedForItsKind) {
    const std::string firstTable = SaveFileTypesFor(true).front();
    const std::string csv = SaveFileTypesFor(true).back();
    const std::string pdf = SaveFileTypesFor(false).back();
    EXPECT_EQ(OfferedSaveType(true), firstTable);
    EXPECT_EQ(ChooseSaveType(true, csv), csv);
    EXPECT_EQ(ChooseSaveType(false, pdf), pdf);
    EXPECT_EQ(OfferedSaveType(true), csv);
    EXPECT_EQ(OfferedSaveType(false), pdf);
    EXPECT_EQ(ChooseSaveType(true, pdf), firstTable) << "a chart's type is not offered for a table";
    EXPECT_EQ(OfferedSaveType(true), firstTable);
}

}  // namespace
