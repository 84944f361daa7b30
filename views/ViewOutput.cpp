#include "ViewOutput.h"

#include "ChartSurface.h"
#include "Dialogs.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "Overskr.h"
#include "QtCanvas.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "ViewTables.h"

#include <QPlainTextEdit>

namespace {

void PrintTableLines(QWidget* parent) {
    PreparePrintLines();
    PrintPages(parent, State.PrintLines);
}

// The pyramid or the total graph of the projection or census view, by the
// DisplayMode values of its chart.
template <class View>
ChartOutput PopulationChartOutput(View* view) {
    const bool pyramid = State.DisplayMode == view->Chart.View().PyramidMode;
    return {
        .PaintBox = view->ScrollBox1->PaintBox1->size(),
        .Picture =
            [view](Canvas& canvas) {
                view->DrawView(canvas);
                view->Chart.DrawCurrentCursor(canvas);
            },
        .PrintFont = ChartSurfaceFont(),
        .Where = ChartHeading::PrinterPixels,
        .Printout =
            [view, pyramid](Canvas& canvas) {
                if (pyramid) view->DrawPyramid(canvas);
                else view->DrawTotalGraph(canvas);
            },
    };
}

void PrintChartOutput(QWidget* parent, const ChartOutput& chart) {
    // A chart printout leaves no table lines behind for the next one.
    State.PrintLines.clear();
    PrintChart(parent, PrintoutHeading(), chart.PrintFont, chart.Where, chart.Printout);
}

template <class View>
void PrintPopulationView(View* view) {
    const ChartViewDescription& modes = view->Chart.View();
    const int32_t mode = State.DisplayMode;
    if (mode == modes.TextMode) PrintTableLines(view);
    else if (mode == modes.PyramidMode || mode == modes.TotalGraphMode)
        PrintChartOutput(view, PopulationChartOutput(view));
}

// The table or the chart on show to the clipboard; nothing on show leaves
// the clipboard as it was.
void CopyOnShow(OnShow shown, const ChartOutput& chart) {
    if (shown == OnShow::Table) CopyTableLines();
    else if (shown == OnShow::Chart) CopyChartPicture(chart.PaintBox, chart.Picture);
}

template <class View>
void CopyPopulationView(View* view) {
    CopyOnShow(PopulationViewOnShow(view->Chart.View(), !view->Memo2->isHidden()), PopulationChartOutput(view));
}

}  // namespace

void PrintView(TForm2* view) {
    if (!view->StringGrid1->isHidden()) PrintTable(view);
    else PrintGraph(view);
}

void PrintTable(TForm2* view) { PrintTableLines(view); }

void PrintGraph(TForm2* view) { PrintChartOutput(view, ChartOutputOf(view)); }

void CopyView(TForm2* view) { CopyOnShow(LifetimeViewOnShow(!view->StringGrid1->isHidden()), ChartOutputOf(view)); }

// The heading stands in the drawing's own space here, in the graph's font;
// the picture has the cursor the user set, if any.
ChartOutput ChartOutputOf(TForm2* view) {
    return {
        .PaintBox = view->PaintBox1->size(),
        .Picture =
            [view](Canvas& canvas) {
                view->DrawLifetimeGraph(canvas, LifetimeCanvas::Picture);
                view->DrawLifetimeCursor(canvas);
            },
        .PrintFont = view->PaintBox1->font(),
        .Where = ChartHeading::ChartSpace,
        .Printout = [view](Canvas& canvas) { view->DrawLifetimeGraph(canvas, LifetimeCanvas::Printer); },
    };
}

void PrintView(TForm3* view) {
    if (State.DisplayMode == DisplayModes::ContinuedTable) {
        // A cancelled continuation from a chart leaves nothing on show.
        if (!view->Memo2->isHidden()) PrintTableLines(view);
        return;
    }
    PrintPopulationView(view);
}
void CopyView(TForm3* view) { CopyPopulationView(view); }
ChartOutput ChartOutputOf(TForm3* view) { return PopulationChartOutput(view); }

void PrintView(TForm4* view) { PrintPopulationView(view); }
void CopyView(TForm4* view) { CopyPopulationView(view); }
ChartOutput ChartOutputOf(TForm4* view) { return PopulationChartOutput(view); }

QString PrintoutHeading() { return Overskrif ? Overskrif->HeadingText : QString(); }

void PreparePrintLines() { State.PrintLines = HeadedLines(PrintoutHeading().toStdString(), State.TableLines); }

void CopyLines(const QStringList& lines) { CopyLines(*Form1->Memo1, lines); }

void CopyTableLines() {
    QStringList lines;
    for (const std::string& line : HeadedLines(PrintoutHeading().toStdString(), State.TableLines))
        lines << ToQString(line);
    CopyLines(lines);
}

// The heading buttons only show the dialog; printouts read HeadingText later.
void ShowHeadingDialog() { ExecModal(*Overskrif); }
