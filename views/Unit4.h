// The census view: one of the built-in censuses as a table of men and women
// per age group, as a population pyramid and as a total graph, and the three
// fixed historical tables, in the main window's client area.
#pragma once

#include "PopulationChart.h"
#include "ViewWindow.h"

#include <string>
#include <vector>

class ChartSurface;
class QFrame;
class QPlainTextEdit;
class QToolButton;
struct Canvas;

class TForm4 : public ViewWindow {
    Q_OBJECT
public:
    TForm4();

    QFrame* Panel1;  // tool bar
    QFrame* Bevel2;  // groups the output buttons
    QFrame* Bevel1;  // groups the display buttons
    QToolButton* SpeedButton5;  // "Print"
    QToolButton* SpeedButton6;  // printout heading
    QToolButton* SpeedButton7;  // clipboard
    QToolButton* SpeedButton1;  // "Tabel"
    QToolButton* SpeedButton2;  // "Pyramide"
    QToolButton* SpeedButton3;  // "I alt graf"
    QFrame* Panel2;  // hidden margins
    QFrame* Panel3;
    QFrame* Panel4;
    ChartSurface* ScrollBox1;  // holds PaintBox1
    QPlainTextEdit* Memo2;     // the table, in front of the chart surface

    // Operations called by the main menu and the tool buttons.
    void StartCensusInput();
    void ChooseCensus();
    void ShowCensusTable();
    void ShowCensusPyramid();
    void ShowCensusTotalGraph();
    void ResetCensusView();
    void ClearChart();

    // The historical tables.
    void ShowLifeExpectancyTable();
    void ShowMortalityTable();
    void ShowFertilityTable();
    void ShowHistoricalLines();

    // Drawing, for the chart surface, printing and the clipboard.
    PopulationChart Chart{CensusChartView};
    void DrawView(Canvas& canvas) { Chart.DrawView(canvas); }
    void DrawPyramid(Canvas& canvas) { Chart.DrawPyramid(canvas); }
    void DrawTotalGraph(Canvas& canvas) { Chart.DrawTotalGraph(canvas); }
    void DrawPyramidCursor(Canvas& canvas) { Chart.DrawPyramidCursor(canvas); }
    void DrawTotalCursor(Canvas& canvas) { Chart.DrawTotalCursor(canvas); }
    void RemoveCursor() { Chart.RemoveCursor(); }

    // The 22 lines of the census table for the grouping in the model state.
    static std::vector<std::string> CensusTableLines();

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    // Output: printing, the printout heading and the clipboard.
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();

protected:
    void FormShow() override;

private:
    void SetCensusActionsEnabled(bool enabled);
    void ShowCensusChart(int32_t mode);
    void ShowHistoricalTable(const std::vector<std::string>& lines);
    void ShowMemoTop();
};

extern TForm4* Form4;
