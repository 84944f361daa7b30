#include "SaveView.h"

#include "Dialogs.h"
#include "HistoricalTables.h"
#include "Lys_erkl.h"
#include "SaveFile.h"
#include "TableExport.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "ViewOutput.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>

namespace {

// The projection view after "Fortsæt", as printing knows it.
constexpr int32_t ContinuedTableMode = 4;

const QStringList TableTypes = {"Tekst (*.txt)", "CSV (*.csv)"};
const QStringList ChartTypes = {"PNG-billede (*.png)", "PDF (*.pdf)"};

struct ViewOnShow {
    enum Kind { Nothing, Table, Chart } What = Nothing;
    std::string Csv;    // a table's figures
    ChartOutput Drawing;  // a chart
};

ViewOnShow TableOnShow(std::string csv) {
    if (State.TableLines.empty()) return {};
    return {ViewOnShow::Table, std::move(csv), {}};
}

// The census view shows the historical tables too; their figures are read
// from their lines.
std::string CensusTableCsv() {
    const std::vector<std::string>& lines = State.TableLines;
    if (lines == LifeExpectancyLines()) return TableLinesCsv(lines, {"Periode", "Mænd", "Kvinder"});
    if (lines == MortalityLines()) return TableLinesCsv(lines, {"Periode", "0-1 år (%)", "0-10 år (%)"});
    if (lines == FertilityLines())
        return TableLinesCsv(lines, {"År", "Børn pr. kvinde", "Særligt år", "Børn pr. kvinde det år"});
    return GroupFiguresCsv(true);
}

template <class View>
ViewOnShow PopulationViewOnShow(View* view, bool census) {
    const ChartViewDescription& modes = view->Chart.View();
    const int32_t mode = State.DisplayMode;
    if (mode == modes.PyramidMode || mode == modes.TotalGraphMode)
        return {ViewOnShow::Chart, {}, ChartOutputOf(view)};
    if (view->Memo2->isHidden()) return {};
    if (census && mode == modes.TextMode) return TableOnShow(CensusTableCsv());
    if (!census && (mode == modes.TextMode || mode == ContinuedTableMode)) return TableOnShow(GroupFiguresCsv(false));
    return {};
}

// The view printing picks, first match wins.
ViewOnShow FindViewOnShow() {
    if (Form2 && State.LifetimeViewActive && Form2->IsFrontView()) {
        if (!Form2->StringGrid1->isHidden()) return TableOnShow(LifetimeCsv());
        return {ViewOnShow::Chart, {}, ChartOutputOf(Form2)};
    }
    if (Form3 && !Form3->isHidden()) return PopulationViewOnShow(Form3, false);
    if (Form4 && !Form4->isHidden()) return PopulationViewOnShow(Form4, true);
    return {};
}

// "Tekst (*.txt)" -> "txt".
QString TypeSuffix(const QString& type) { return type.section("*.", 1).section(')', 0, 0); }

bool WritePdf(const QString& path, const ChartOutput& chart, QString& reason) {
    return SaveFileSafely(
        path,
        [&chart](QIODevice& device) {
            QPdfWriter writer(&device);
            // The page of the printout: the printer's paper and resolution.
            writer.setPageLayout(Printer().pageLayout());
            writer.setResolution(Printer().resolution());
            writer.setCreator("Lysvandre");
            return DrawChartPage(writer, PrintoutHeading(), chart.PrintFont, chart.Where, chart.Printout);
        },
        reason);
}

bool WritePng(const QString& path, const ChartOutput& chart, QString& reason) {
    const QImage picture = ChartPicture(chart.PaintBox, chart.Picture);
    return SaveFileSafely(path, [&picture](QIODevice& device) { return picture.save(&device, "PNG"); }, reason);
}

}  // namespace

bool ViewOnShowCanBeSaved() { return FindViewOnShow().What != ViewOnShow::Nothing; }

QStringList SaveFileTypes() {
    switch (FindViewOnShow().What) {
        case ViewOnShow::Table:
            return TableTypes;
        case ViewOnShow::Chart:
            return ChartTypes;
        default:
            return {};
    }
}

void SaveViewOnShow(QWidget* parent) {
    const ViewOnShow shown = FindViewOnShow();
    if (shown.What == ViewOnShow::Nothing) return;
    const bool table = shown.What == ViewOnShow::Table;
    const QStringList& types = table ? TableTypes : ChartTypes;
    // The type chosen last for a table or a chart is offered first.
    static QString lastTableType = TableTypes[0];
    static QString lastChartType = ChartTypes[0];
    QString& lastType = table ? lastTableType : lastChartType;

    QString type = lastType;
    QString path = ExecSaveFileDialog(parent, types, type);
    if (path.isEmpty()) return;
    if (!types.contains(type)) type = types[0];
    lastType = type;

    QString suffix = QFileInfo(path).suffix().toLower();
    const QString wanted = TypeSuffix(type);
    if (suffix.isEmpty()) {
        path += "." + wanted;
        suffix = wanted;
    } else if (const QStringList known = {"txt", "csv", "png", "pdf"}; known.contains(suffix)) {
        // A type that does not fit what is on show: a picture of a table is
        // not what the name promises.
        if (suffix != TypeSuffix(types[0]) && suffix != TypeSuffix(types[1])) {
            ShowMessageBox(table ? "Et skema kan gemmes som tekst (.txt) eller CSV (.csv)."
                                 : "En graf kan gemmes som billede (.png) eller PDF (.pdf).",
                           "Gem som");
            return;
        }
    } else {
        // An extension of no known type: the chosen type, under the name given.
        suffix = wanted;
    }

    QString reason;
    bool saved = false;
    if (suffix == "txt") {
        const std::string text = LinesAsText(HeadedLines(PrintoutHeading().toStdString(), State.TableLines));
        saved = SaveFileSafely(path, QByteArray::fromStdString(text), reason);
    } else if (suffix == "csv") {
        saved = SaveFileSafely(path, QByteArray::fromStdString(shown.Csv), reason);
    } else if (suffix == "png") {
        saved = WritePng(path, shown.Drawing, reason);
    } else {
        saved = WritePdf(path, shown.Drawing, reason);
    }
    if (!saved)
        ShowMessageBox("Filen kunne ikke gemmes:\n" + QDir::toNativeSeparators(path) + "\n\n" + reason, "Gem som");
}
