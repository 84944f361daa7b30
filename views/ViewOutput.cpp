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

#include <QPlainTextEdit>

namespace {

// The projection view after "Fortsæt": the continued year's table is on show
// when the dialog was answered, as after "Inddata".
constexpr int32_t ContinuedTableMode = 4;

void PrintTableLines(QWidget* parent) {
    PreparePrintLines();
    PrintPages(parent);
}

// The pyramid or the total graph of the projection or census view, by the
// DisplayMode values of its chart.
template <class View>
void PrintPopulationChart(View* view) {
    const ChartViewDescription& modes = view->Chart.View();
    const bool pyramid = State.DisplayMode == modes.PyramidMode;
    PrintChart(view, PrintoutHeading(), ChartSurfaceFont(), ChartHeading::PrinterPixels,
               [view, pyramid](Canvas& canvas) {
                   if (pyramid) view->DrawPyramid(canvas);
                   else view->DrawTotalGraph(canvas);
               });
}

template <class View>
void PrintPopulationView(View* view) {
    const ChartViewDescription& modes = view->Chart.View();
    const int32_t mode = State.DisplayMode;
    if (mode == modes.TextMode) PrintTableLines(view);
    else if (mode == modes.PyramidMode || mode == modes.TotalGraphMode) PrintPopulationChart(view);
}

template <class View>
void CopyPopulationView(View* view) {
    if (!view->Memo2->isHidden()) {
        CopyTableLines();
        return;
    }
    CopyChartPicture(view->ScrollBox1->PaintBox1->size(), [view](Canvas& canvas) {
        view->DrawView(canvas);
        view->Chart.DrawCurrentCursor(canvas);
    });
}

}  // namespace

void PrintView(TForm2* view) {
    if (!view->StringGrid1->isHidden()) PrintTable(view);
    else PrintGraph(view);
}

void PrintTable(TForm2* view) { PrintTableLines(view); }

// The heading stands in the drawing's own space here, in the graph's font.
void PrintGraph(TForm2* view) {
    PrintChart(view, PrintoutHeading(), view->PaintBox1->font(), ChartHeading::ChartSpace,
               [view](Canvas& canvas) { view->DrawLifetimeGraph(canvas, LifetimeCanvas::Printer); });
}

void CopyView(TForm2* view) {
    if (!view->StringGrid1->isHidden()) {
        CopyTableLines();
        return;
    }
    // With the cursor the user set, if any.
    CopyChartPicture(view->PaintBox1->size(), [view](Canvas& canvas) {
        view->DrawLifetimeGraph(canvas, LifetimeCanvas::Picture);
        view->DrawLifetimeCursor(canvas);
    });
}

void PrintView(TForm3* view) {
    if (State.DisplayMode == ContinuedTableMode) {
        // A cancelled continuation from a chart leaves nothing on show.
        if (!view->Memo2->isHidden()) PrintTableLines(view);
        return;
    }
    PrintPopulationView(view);
}
void CopyView(TForm3* view) { CopyPopulationView(view); }

void PrintView(TForm4* view) { PrintPopulationView(view); }
void CopyView(TForm4* view) { CopyPopulationView(view); }

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
