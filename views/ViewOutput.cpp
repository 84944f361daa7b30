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

#include <functional>

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

// The table or the chart the core chose, printed; nothing else.
void PrintOnShow(QWidget* parent, OnShow shown, const std::function<ChartOutput()>& chart) {
    if (shown == OnShow::Table) PrintTableLines(parent);
    else if (shown == OnShow::Chart) PrintChartOutput(parent, chart());
}

template <class View>
void PrintPopulationView(View* view, OutputView kind) {
    PrintOnShow(view, PrintedBy(kind, !view->Memo2->isHidden()).What, [view] { return PopulationChartOutput(view); });
}

// The table or the chart on show to the clipboard; nothing on show leaves
// the clipboard as it was.
void CopyOnShow(OnShow shown, const ChartOutput& chart) {
    if (shown == OnShow::Table) CopyTableLines();
    else if (shown == OnShow::Chart) CopyChartPicture(chart.PaintBox, chart.Picture);
}

template <class View>
void CopyPopulationView(View* view, OutputView kind) {
    CopyOnShow(CopiedBy(kind, !view->Memo2->isHidden()).What, PopulationChartOutput(view));
}

}  // namespace

void PrintView(TForm2* view) {
    PrintOnShow(view, PrintedBy(OutputView::Lifetime, !view->StringGrid1->isHidden()).What,
                [view] { return ChartOutputOf(view); });
}

void PrintTable(TForm2* view) { PrintTableLines(view); }

void PrintGraph(TForm2* view) { PrintChartOutput(view, ChartOutputOf(view)); }

void CopyView(TForm2* view) {
    CopyOnShow(CopiedBy(OutputView::Lifetime, !view->StringGrid1->isHidden()).What, ChartOutputOf(view));
}

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

void PrintView(TForm3* view) { PrintPopulationView(view, OutputView::Projection); }
void CopyView(TForm3* view) { CopyPopulationView(view, OutputView::Projection); }
ChartOutput ChartOutputOf(TForm3* view) { return PopulationChartOutput(view); }

void PrintView(TForm4* view) { PrintPopulationView(view, OutputView::Census); }
void CopyView(TForm4* view) { CopyPopulationView(view, OutputView::Census); }
ChartOutput ChartOutputOf(TForm4* view) { return PopulationChartOutput(view); }

QString PrintoutHeading() { return Overskrif ? Overskrif->HeadingText : QString(); }

void PreparePrintLines() { PreparePrintLines(PrintoutHeading().toStdString()); }

void CopyLines(const QStringList& lines) { CopyLines(*Form1->Memo1, lines); }

void CopyTableLines() {
    QStringList lines;
    for (const std::string& line : HeadedTableLines(PrintoutHeading().toStdString()))
        lines << ToQString(line);
    CopyLines(lines);
}

ViewsShown ViewsShownNow() {
    ViewsShown shown;
    shown.LifetimeFront = Form2 && Form2->IsFrontView();
    shown.LifetimeGrid = Form2 && !Form2->StringGrid1->isHidden();
    shown.Projection = Form3 && !Form3->isHidden();
    shown.ProjectionTable = Form3 && !Form3->Memo2->isHidden();
    shown.Census = Form4 && !Form4->isHidden();
    shown.CensusTable = Form4 && !Form4->Memo2->isHidden();
    return shown;
}

namespace {

// Acts on the window of the chosen view (each kind has its own overload);
// nothing when none is chosen.
template <typename Act>
void OnChosenView(const OutputChoice& choice, Act act) {
    switch (choice.View) {
        case OutputView::Lifetime:
            act(Form2);
            break;
        case OutputView::Projection:
            act(Form3);
            break;
        case OutputView::Census:
            act(Form4);
            break;
        default:
            break;
    }
}

}  // namespace

void PrintChosen(const OutputChoice& choice) {
    OnChosenView(choice, [](auto* view) { PrintView(view); });
}

void CopyChosen(const OutputChoice& choice) {
    OnChosenView(choice, [](auto* view) { CopyView(view); });
}

// The heading buttons only show the dialog; printouts read HeadingText later.
void ShowHeadingDialog() { ExecModal(*Overskrif); }
