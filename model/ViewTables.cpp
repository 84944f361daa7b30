#include "ViewTables.h"

#include "Lifetime.h"
#include "Lys_erkl.h"
#include "NumberText.h"
#include "PopulationChart.h"

#include <algorithm>

namespace {

// The people aged a to b (single years) in millions and as a share of the
// grouped total. Ages outside the table's 0..99 are never read.
std::string Share(int a, int b) {
    double s = 0;
    for (int x = std::max(a, 0); x <= std::min(b, 99); ++x) {
        s = s + State.PopMale[x];
        s = s + State.PopFemale[x];
    }
    const double total = State.TotalMale + State.TotalFemale;
    const double percent = total > 0 ? s / total * 100 : 0;
    return FormatFixed(s / 1000000, 6, 3) + " mill. =" + FormatFixed(percent, 5, 1) + "%";
}

}  // namespace

std::vector<std::string> ProjectionTableLines() {
    std::vector<std::string> lines = GroupTableLines(ProjectionChartView);
    const int32_t retirement = State.RetirementAge;
    lines[1] += "    PROGNOSE  for året " + std::to_string(State.TargetYear) + "    Basisår: " +
                std::to_string(State.BaseYear);
    lines[3] += "    Børnetal pr. familie:" + FormatFixed(State.ChildrenPerFamily, 19, 2);
    lines[5] += "    Pensionsalder:                      " + std::to_string(retirement) + " år";
    // Migration is shown only when there is some, so a projection without it
    // reads as it always has.
    if (State.NetMigration != 0) {
        lines[7] += "    Nettoindvandring pr. år:" + FormatFixed(State.NetMigration, 8, 0);
        if (State.Migration.Year != 0) lines[9] += "    Aldersprofil: " + MigrationProfileName(State.Migration);
    }
    lines[11] += "    Småbørn      ( 0- 4 år): " + Share(0, 4);
    lines[13] += "    Skolebørn    ( 5-15 år): " + Share(5, 15);
    lines[15] += "    Produktive   (16-" + std::to_string(retirement - 1) + " år): " + Share(16, retirement - 1);
    lines[17] += "    Pensionister (" + std::to_string(retirement) + "-99 år): " + Share(retirement, 99);
    return lines;
}

std::vector<std::string> CensusTableLines() {
    std::vector<std::string> lines = GroupTableLines(CensusChartView);
    lines[1] += "     Folketælling år: " + std::to_string(State.TargetYear);
    return lines;
}

void BuildProjectionTable() { State.TableLines = ProjectionTableLines(); }

void BuildCensusTable() { State.TableLines = CensusTableLines(); }

std::vector<std::string> ModelTextLines(const std::string& decimalSeparator) {
    std::string children = FormatFixed(State.ChildrenPerFamily, 2);
    if (const auto point = children.find('.'); point != std::string::npos)
        children.replace(point, 1, decimalSeparator);
    std::vector<std::string> lines = {
        " ",
        " Børnetal pr. familie              : " + children,
        " Årstal (" + std::to_string(State.BaseYear) + " .. 2100)             : " + std::to_string(State.TargetYear),
        " Pensionsalder (mindst 50)         : " + std::to_string(State.RetirementAge)};
    if (State.NetMigration != 0) {
        lines.push_back(" Nettoindvandring pr. år           : " + std::to_string(State.NetMigration));
        lines.push_back(" Aldersprofil                      : " + MigrationProfileName(State.Migration));
    }
    lines.push_back(" ");
    return lines;
}

OnShow PopulationViewOnShow(const ChartViewDescription& view, bool tableShown) {
    if (tableShown) return State.TableLines.empty() ? OnShow::Nothing : OnShow::Table;
    const int32_t mode = State.DisplayMode;
    return mode == view.PyramidMode || mode == view.TotalGraphMode ? OnShow::Chart : OnShow::Nothing;
}

OnShow LifetimeViewOnShow(bool gridShown) {
    if (Lifetime.Shown.PersonCount == 0) return OnShow::Nothing;
    if (!gridShown) return OnShow::Chart;
    return State.TableLines.empty() ? OnShow::Nothing : OnShow::Table;
}
