// What the projection and census views share: a tool bar with an output
// group and a picture group, the chart surface with the table text in front
// of it, and the renderer that draws their pyramid and total graph.
#pragma once

#include "ChartSurface.h"
#include "PopulationChart.h"
#include "ViewWindow.h"

class QFrame;
class QPlainTextEdit;
class QToolButton;
struct Canvas;

class PopulationView : public ViewWindow {
    Q_OBJECT
public:
    PopulationView(const ChartViewDescription& view, QWidget* host);

    QFrame* Panel1;  // tool bar
    QFrame* Bevel2;  // frames the output buttons
    QFrame* Bevel1;  // frames the picture buttons
    QFrame* Panel2;  // hidden margins
    QFrame* Panel3;
    QFrame* Panel4;
    ChartSurface* ScrollBox1;
    ChartPaintBox* PaintBox1;
    QPlainTextEdit* Memo2;  // the table, in front of the chart surface

    // Drawing, for the screen, the clipboard and the printer.
    PopulationChart Chart;
    void DrawView(Canvas& canvas) { Chart.DrawView(canvas); }
    void DrawPyramid(Canvas& canvas) { Chart.DrawPyramid(canvas); }
    void DrawTotalGraph(Canvas& canvas) { Chart.DrawTotalGraph(canvas); }
    void DrawPyramidCursor(Canvas& canvas) { Chart.DrawPyramidCursor(canvas); }
    void DrawTotalCursor(Canvas& canvas) { Chart.DrawTotalCursor(canvas); }
    void RemoveCursor() { Chart.RemoveCursor(); }
    void CheckScroll() { Chart.CheckScroll(); }

    // The pyramid or the total graph of this view is on show.
    bool ChartOnShow() const;
    // "Vis i procent" on and off.
    void TogglePercent();
    // A compare item chosen: its outline taken away when shown, else put
    // over the chart in place of any other.
    void ChooseOutline(const ChartComparison& other);
    // "Sammenlign med folketælling ...": a census chosen in the census-year
    // chooser outlined over the chart, or taken away when one is. State,
    // and so the population on show, stays as it was.
    void ChooseCensusOutline();

protected:
    // The tool bar's two groups: print, heading and copy in Bevel2 from
    // outputX; table, pyramid and total graph (and whatever the view adds)
    // in Bevel1 from pictureX, pictureWidth wide.
    struct ToolButtons {
        QToolButton* Print;
        QToolButton* Heading;
        QToolButton* Copy;
        QToolButton* Table;
        QToolButton* Pyramid;
        QToolButton* TotalGraph;
    };
    struct ToolButtonNames {
        const char* Print;
        const char* Heading;
        const char* Copy;
        const char* Table;
        const char* Pyramid;
        const char* TotalGraph;
    };
    ToolButtons AddToolButtons(int outputX, int pictureX, int pictureWidth, const ToolButtonNames& names,
                               bool headingHintShown);

    // State.TableLines in Memo2, two lines down and four blanks in, shown
    // from its top.
    void ShowTableLines();
    // Any text in Memo2, shown from its top.
    void ShowMemoText(const QString& text);
};
