#include "SaveView.h"

#include "Dialogs.h"
#include "Lys_erkl.h"
#include "SaveFile.h"
#include "TableExport.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "ViewGlobals.h"
#include "ViewOutput.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>

namespace {

QStringList TypesFor(bool table) {
    QStringList types;
    for (const std::string& type : SaveFileTypesFor(table)) types << QString::fromStdString(type);
    return types;
}

const QStringList TableTypes = TypesFor(true);
const QStringList ChartTypes = TypesFor(false);

struct ViewOnShow {
    enum Kind { Nothing, Table, Chart } What = Nothing;
    std::string Csv;      // a table's figures
    ChartOutput Drawing;  // a chart
    QString Name;         // the file name proposed, without a type
};

ViewOnShow TableOnShow(std::string csv, QString name) {
    if (State.TableLines.empty()) return {};
    return {ViewOnShow::Table, std::move(csv), {}, std::move(name)};
}

QString YearName(const char* what) { return QString("%1 %2").arg(what).arg(State.TargetYear); }

// The census view shows the historical tables too.
ViewOnShow CensusTableOnShow() {
    const CsvTable table = CensusViewCsv();
    return TableOnShow(table.Csv, QString::fromStdString(table.Name));
}

template <class View>
ViewOnShow PopulationViewOnShow(View* view, bool census) {
    const ChartViewDescription& modes = view->Chart.View();
    const int32_t mode = State.DisplayMode;
    const QString name = YearName(census ? "Folketælling" : "Prognose");
    if (mode == modes.PyramidMode || mode == modes.TotalGraphMode)
        return {ViewOnShow::Chart, {}, ChartOutputOf(view), name};
    if (view->Memo2->isHidden()) return {};
    if (census && mode == modes.TextMode) return CensusTableOnShow();
    if (!census && (mode == modes.TextMode || mode == DisplayModes::ContinuedTable))
        return TableOnShow(ProjectionCsv(), name);
    return {};
}

// The view printing picks, first match wins.
ViewOnShow FindViewOnShow() {
    if (Form2 && State.LifetimeViewActive && Form2->IsFrontView()) {
        if (!Form2->StringGrid1->isHidden()) return TableOnShow(LifetimeCsv(), "Levetid");
        return {ViewOnShow::Chart, {}, ChartOutputOf(Form2), "Levetid"};
    }
    if (Form3 && !Form3->isHidden()) return PopulationViewOnShow(Form3, false);
    if (Form4 && !Form4->isHidden()) return PopulationViewOnShow(Form4, true);
    return {};
}

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
    QString& lastType = table ? WindowGlobals.LastTableSaveType : WindowGlobals.LastChartSaveType;

    QString type = lastType.isEmpty() ? types[0] : lastType;
    QString path = ExecSaveFileDialog(parent, shown.Name, types, type);
    if (path.isEmpty()) return;
    if (!types.contains(type)) type = types[0];
    lastType = type;

    const SaveTarget target = ResolveSaveTarget(path.toStdString(), type.toStdString(), table);
    if (!target.Message.empty()) {
        ShowMessageBox(QString::fromStdString(target.Message), "Gem som");
        return;
    }
    path = QString::fromStdString(target.Path);
    const QString suffix = QString::fromStdString(target.Type);

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
