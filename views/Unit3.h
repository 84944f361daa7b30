// The projection view: runs the projection workflow (inputs, projection,
// continuation, base year) and shows the result as a text table, a
// population pyramid or a total graph.
#pragma once

#include "PopulationView.h"

#include <string>
#include <vector>

class QToolButton;

class TForm3 : public PopulationView {
    Q_OBJECT
public:
    explicit TForm3(QWidget* host = nullptr);

    QToolButton* SpeedButton7;  // print
    QToolButton* SpeedButton8;  // heading
    QToolButton* SpeedButton9;  // copy
    QToolButton* SpeedButton1;  // table
    QToolButton* SpeedButton2;  // pyramid
    QToolButton* SpeedButton3;  // total graph
    QToolButton* SpeedButton4;  // continue
    QToolButton* SpeedButton5;  // age groups
    QToolButton* SpeedButton6;  // model text

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
