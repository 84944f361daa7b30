// The projection view: runs the projection workflow (inputs, projection,
// continuation, base year) and shows the result as a text table, a
// population pyramid or a total graph.
#pragma once

#include "ChartSurface.h"
#include "PopulationChart.h"
#include "ViewWindow.h"

#include <string>
#include <vector>

class QFrame;
class QPlainTextEdit;
class QToolButton;

class TForm3 : public ViewWindow {
    Q_OBJECT
public:
    explicit TForm3(QWidget* host = nullptr);
    ~TForm3() override;

    QFrame* Panel1;
    QFrame* Bevel2;
    QToolButton* SpeedButton7;  // print
    QToolButton* SpeedButton8;  // heading
    QToolButton* SpeedButton9;  // copy
    QFrame* Bevel1;
    QToolButton* SpeedButton1;  // table
    QToolButton* SpeedButton2;  // pyramid
    QToolButton* SpeedButton3;  // total graph
    QToolButton* SpeedButton4;  // continue
    QToolButton* SpeedButton5;  // age groups
    QToolButton* SpeedButton6;  // model text
    QFrame* Panel2;
    QFrame* Panel3;
    QFrame* Panel4;
    ChartSurface* ScrollBox1;
    ChartPaintBox* PaintBox1;
    QPlainTextEdit* Memo2;

    // The workflow.
    void EnterInputs();
    void ShowTable();
    void ShowPyramid();
    void ShowTotalGraph();
    void ContinueProjection();
    void ShowAgeGroups();
    void ChooseBaseYear();
    void ShowModelText();
    void DisableProjectionActions();
    void ClearChartArea();
    void FitToMainWindow() override;

    // The 22 table lines ShowTable builds from the model state, without the
    // screen's indent.
    static std::vector<std::string> BuildTableLines();

    // Drawing, for the screen, the clipboard and the printer.
    PopulationChart Chart{ProjectionChartView};
    void DrawView(Canvas& canvas) { Chart.DrawView(canvas); }
    void DrawPyramid(Canvas& canvas) { Chart.DrawPyramid(canvas); }
    void DrawTotalGraph(Canvas& canvas) { Chart.DrawTotalGraph(canvas); }
    void DrawPyramidCursor(Canvas& canvas) { Chart.DrawPyramidCursor(canvas); }
    void DrawTotalCursor(Canvas& canvas) { Chart.DrawTotalCursor(canvas); }
    void RemoveCursor() { Chart.RemoveCursor(); }
    void CheckScroll() { Chart.CheckScroll(); }

    // Events of the chart surface.
    void PaintBox1Click();
    void PaintBox1Paint() { Chart.PaintBox1Paint(); }
    void PaintBox1MouseUp(bool leftButton, int x, int y) { Chart.PaintBox1MouseUp(leftButton, x, y); }

    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();

protected:
    void FormShow() override;

private:
    void EnableProjectionActions();
    void SetProjectionActionsEnabled(bool enabled);
    void ShowChart(int32_t mode);
};

extern TForm3* Form3;
