#include "OutputCommands.h"

#include "CoreGlobals.h"
#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "PrintLayout.h"
#include "TableExport.h"

#include <algorithm>

namespace {

std::string YearName(const char* what) { return std::string(what) + " " + std::to_string(State.TargetYear); }

// The table or chart on show of the projection or census view, by DisplayMode.
OutputChoice PopulationOutput(bool census, bool tableShown) {
    const ChartViewDescription& modes = census ? CensusChartView : ProjectionChartView;
    const OutputView view = census ? OutputView::Census : OutputView::Projection;
    const int32_t mode = State.DisplayMode;
    if (mode == modes.PyramidMode || mode == modes.TotalGraphMode) return {view, OnShow::Chart, {}};
    // A cancelled continuation from a chart leaves nothing on show.
    const bool table = mode == modes.TextMode || (!census && mode == DisplayModes::ContinuedTable && tableShown);
    return {view, table ? OnShow::Table : OnShow::Nothing, {}};
}

}  // namespace

HeadingDialogState Heading;

void ActivateHeadingDialog(const std::string& field) { Heading.SavedHeading = field; }

void AcceptHeading(const std::string& field) { Heading.HeadingText = field; }

void CancelHeading() { Heading.HeadingText = Heading.SavedHeading; }

OutputChoice PrintedBy(OutputView view, bool tableShown) {
    switch (view) {
        case OutputView::Lifetime:
            return {view, tableShown ? OnShow::Table : OnShow::Chart, {}};
        case OutputView::Projection:
        case OutputView::Census:
            return PopulationOutput(view == OutputView::Census, tableShown);
        default:
            return {};
    }
}

OutputChoice CopiedBy(OutputView view, bool tableShown) {
    switch (view) {
        case OutputView::Lifetime:
            return {view, LifetimeViewOnShow(tableShown), {}};
        case OutputView::Projection:
            return {view, PopulationViewOnShow(ProjectionChartView, tableShown), {}};
        case OutputView::Census:
            return {view, PopulationViewOnShow(CensusChartView, tableShown), {}};
        default:
            return {};
    }
}

OutputChoice PrintChoice(const ViewsShown& shown) {
    if (State.LifetimeViewActive && shown.LifetimeFront) return PrintedBy(OutputView::Lifetime, shown.LifetimeGrid);
    if (shown.Projection) return PrintedBy(OutputView::Projection, shown.ProjectionTable);
    if (shown.Census) return PrintedBy(OutputView::Census, shown.CensusTable);
    return {};
}

OutputChoice CopyChoice(int32_t activeView, const ViewsShown& shown) {
    switch (activeView) {
        case ActiveViews::Lifetime:
            return CopiedBy(OutputView::Lifetime, shown.LifetimeGrid);
        case ActiveViews::Projection:
            return CopiedBy(OutputView::Projection, shown.ProjectionTable);
        case ActiveViews::Census:
            return CopiedBy(OutputView::Census, shown.CensusTable);
        default:
            return {};
    }
}

OutputChoice SaveChoice(const ViewsShown& shown) {
    OutputChoice choice;
    if (State.LifetimeViewActive && shown.LifetimeFront) {
        choice = {OutputView::Lifetime, shown.LifetimeGrid ? OnShow::Table : OnShow::Chart, "Levetid"};
    } else if (shown.Projection || shown.Census) {
        const bool census = !shown.Projection;
        const bool tableShown = census ? shown.CensusTable : shown.ProjectionTable;
        choice = PopulationOutput(census, tableShown);
        choice.Name = YearName(census ? "Folketælling" : "Prognose");
        if (choice.What == OnShow::Table && !tableShown) choice.What = OnShow::Nothing;
        // The census view shows the historical tables too, under their own names.
        if (census && choice.What == OnShow::Table) choice.Name = CensusViewCsv().Name;
    }
    if (choice.What == OnShow::Table && State.TableLines.empty()) choice.What = OnShow::Nothing;
    if (choice.What == OnShow::Nothing) return {};
    return choice;
}

std::vector<std::string> HeadedTableLines(const std::string& heading) { return HeadedLines(heading, State.TableLines); }

void PreparePrintLines(const std::string& heading) { State.PrintLines = HeadedTableLines(heading); }

std::string SavedTableCsv(const OutputChoice& choice) {
    if (choice.What != OnShow::Table) return {};
    switch (choice.View) {
        case OutputView::Lifetime:
            return LifetimeCsv();
        case OutputView::Projection:
            return ProjectionCsv();
        case OutputView::Census:
            return CensusViewCsv().Csv;
        default:
            return {};
    }
}

std::string OfferedSaveType(bool table) {
    const std::string& last = table ? Globals.LastTableSaveType : Globals.LastChartSaveType;
    return last.empty() ? SaveFileTypesFor(table).front() : last;
}

std::string ChooseSaveType(bool table, const std::string& chosen) {
    const std::vector<std::string> types = SaveFileTypesFor(table);
    const std::string type = std::find(types.begin(), types.end(), chosen) != types.end() ? chosen : types.front();
    (table ? Globals.LastTableSaveType : Globals.LastChartSaveType) = type;
    return type;
}
