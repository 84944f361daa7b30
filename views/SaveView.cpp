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

// What "Gem som" saves: the view and its table or chart the core chose, with
// the chart's drawing.
struct ViewOnShow {
    OutputChoice Choice;
    ChartOutput Drawing;
};

ViewOnShow FindViewOnShow() {
    ViewOnShow shown{SaveChoice(ViewsShownNow()), {}};
    if (shown.Choice.What != OnShow::Chart) return shown;
    switch (shown.Choice.View) {
        case OutputView::Lifetime:
            shown.Drawing = ChartOutputOf(Form2);
            break;
        case OutputView::Projection:
            shown.Drawing = ChartOutputOf(Form3);
            break;
        default:
            shown.Drawing = ChartOutputOf(Form4);
            break;
    }
    return shown;
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

bool ViewOnShowCanBeSaved() { return SaveChoice(ViewsShownNow()).What != OnShow::Nothing; }

QStringList SaveFileTypes() {
    switch (SaveChoice(ViewsShownNow()).What) {
        case OnShow::Table:
            return TableTypes;
        case OnShow::Chart:
            return ChartTypes;
        default:
            return {};
    }
}

void SaveViewOnShow(QWidget* parent) {
    const ViewOnShow shown = FindViewOnShow();
    if (shown.Choice.What == OnShow::Nothing) return;
    const bool table = shown.Choice.What == OnShow::Table;
    const QStringList& types = table ? TableTypes : ChartTypes;

    QString type = QString::fromStdString(OfferedSaveType(table));
    QString path = ExecSaveFileDialog(parent, QString::fromStdString(shown.Choice.Name), types, type);
    if (path.isEmpty()) return;
    type = QString::fromStdString(ChooseSaveType(table, type.toStdString()));

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
        const std::string text = LinesAsText(HeadedTableLines(PrintoutHeading().toStdString()));
        saved = SaveFileSafely(path, QByteArray::fromStdString(text), reason);
    } else if (suffix == "csv") {
        saved = SaveFileSafely(path, QByteArray::fromStdString(SavedTableCsv(shown.Choice)), reason);
    } else if (suffix == "png") {
        saved = WritePng(path, shown.Drawing, reason);
    } else {
        saved = WritePdf(path, shown.Drawing, reason);
    }
    if (!saved)
        ShowMessageBox("Filen kunne ikke gemmes:\n" + QDir::toNativeSeparators(path) + "\n\n" + reason, "Gem som");
}
