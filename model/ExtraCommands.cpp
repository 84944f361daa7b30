#include "ExtraCommands.h"

#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "ProjectionCommands.h"
#include "ProjectionPlayback.h"
#include "StatbankImports.h"

namespace {

bool ChartMode(const ChartViewDescription& view) {
    return State.DisplayMode == view.PyramidMode || State.DisplayMode == view.TotalGraphMode;
}

MenuItemState Item(bool enabled, bool checked = false, bool visible = true) { return {enabled, checked, visible, {}}; }

}  // namespace

bool ProjectionChartOnShow(const ViewsShown& shown) {
    return shown.Projection && !shown.ProjectionTable && ChartMode(ProjectionChartView);
}

bool CensusChartOnShow(const ViewsShown& shown) {
    return shown.Census && !shown.CensusTable && ChartMode(CensusChartView);
}

bool CanPlayProjection(const ViewsShown& shown) {
    return shown.Projection && ProjectionCommands.Projection && ProjectionHasYearsToPlay();
}

int32_t PlaybackMode() {
    return State.DisplayMode == DisplayModes::ProjectionTotalGraph ? DisplayModes::ProjectionTotalGraph
                                                                   : DisplayModes::ProjectionPyramid;
}

bool CanCompareWithActual(const ViewsShown& shown) {
    const bool onShow =
        ProjectionChartOnShow(shown) || (shown.Projection && shown.ProjectionTable && !State.TableLines.empty());
    return onShow && State.InputsAccepted && HasActualPopulation(State.TargetYear);
}

ExtraMenuState ExtraMenu(const ViewsShown& shown, const PopulationChart& projection, const PopulationChart& census) {
    const PopulationChart* chart =
        ProjectionChartOnShow(shown) ? &projection : CensusChartOnShow(shown) ? &census : nullptr;
    const bool projectionChart = chart == &projection;
    // The census view alone on show: its compare item outlines another census.
    const bool censusView = shown.Census && !shown.Projection;
    const ChartComparison* other = chart ? chart->Comparison() : nullptr;

    ExtraMenuState menu;
    menu.Afspilprognose1 = Item(CanPlayProjection(shown));
    menu.Sammenlign1 = Item(chart, chart && chart->ShowsOutline(censusView));
    menu.Sammenlign1.Caption = censusView ? "&Sammenlign med folketælling …" : "&Sammenlign med basisåret";
    menu.Sammenlignfolketlling1 = Item(projectionChart, !censusView && chart && chart->ShowsOutline(true), !censusView);
    menu.Sammenlignudenindvandring1 = Item(projectionChart && (State.NetMigration != 0 || other),
                                           !censusView && other && other->WithoutMigration, !censusView);
    menu.Sammenlignfaktisk1 =
        Item(CanCompareWithActual(shown), IsActualPopulationComparison(projection.Comparison()));
    menu.Visiprocent1 = Item(chart, chart && chart->Percent());
    menu.Gemsom1 = Item(SaveChoice(shown).What != OnShow::Nothing);
    menu.Kopierlink1 = Item(shown.Projection && ProjectionCommands.Projection);
    menu.Glemindlstetal1 = Item(!ImportedTables.empty());
    return menu;
}

int32_t ProjectAgain(bool projectionShown) {
    const int32_t mode = State.DisplayMode;
    if (!projectionShown || !State.InputsAccepted || mode == DisplayModes::Nothing) return DisplayModes::Nothing;
    RerunProjection();
    const bool chart = mode == ProjectionChartView.PyramidMode || mode == ProjectionChartView.TotalGraphMode;
    return chart ? mode : DisplayModes::ProjectionTable;
}

bool StartNewestImportProjection() {
    if (!StartFromNewestImport()) return false;
    SetProjectionCommandsAvailable(true);
    return true;
}

bool ForgetImportedProjection() {
    if (HasBaseDataSet(State.BaseYear)) return false;
    State.BaseYear = BaseDataSetFor(State.BaseYear).Year;
    State.InputsAccepted = false;
    State.DisplayMode = DisplayModes::Nothing;
    SetProjectionCommandsAvailable(false);
    return true;
}
