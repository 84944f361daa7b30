// The census view: one of the built-in censuses as a table of men and women
// per age group, as a population pyramid and as a total graph, and the three
// fixed historical tables, in the main window's client area.
#pragma once

#include "CensusCommands.h"

#include "PopulationView.h"

#include <string>
#include <vector>

class QToolButton;

class TForm4 : public PopulationView {
    Q_OBJECT
public:
    TForm4();

    QToolButton* SpeedButton5;  // "Print"
    QToolButton* SpeedButton6;  // printout heading
    QToolButton* SpeedButton7;  // clipboard
    QToolButton* SpeedButton1;  // "Tabel"
    QToolButton* SpeedButton2;  // "Pyramide"
    QToolButton* SpeedButton3;  // "I alt graf"

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
    // The core's census commands on the menu and the tool bar.
    void ShowCensusCommands();
    void ShowCensusChart(int32_t mode);
    void ShowHistoricalTable(HistoricalTable which);
};

extern TForm4* Form4;
