// The projection view: runs the projection workflow (inputs, projection,
// continuation, base year) and shows the result as a text table, a
// population pyramid or a total graph.
#pragma once

#include "PopulationView.h"
#include "ProjectionPlayback.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QTimer;
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
    // keepTable leaves TableLines as they are.
    void ClearChartArea(bool keepTable = false);
    void FitToMainWindow() override;

    // Events of the chart surface.
    void PaintBox1Click();
    void PaintBox1Paint() { Chart.PaintBox1Paint(); }
    void PaintBox1MouseUp(bool leftButton, int x, int y) { Chart.PaintBox1MouseUp(leftButton, x, y); }

    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();

    // "Afspil prognose": the chart on show (the pyramid unless the total
    // graph is) for every year of the projection in force, ten a second;
    // any key or click stops at the year reached, and the end shows the
    // target year as "Pyramide" does. State is never touched meanwhile.
    bool CanPlayProjection() const;
    void PlayProjection();
    bool Playing() const;
    int32_t PlaybackYear() const { return Playback ? Playback->Year() : 0; }
    void StopPlayback();
    QTimer* PlaybackTimer;

    // "Sammenlign med basisåret": the base year outlined, or taken away
    // when it is.
    void ChooseBaseYearOutline();
    // "Sammenlign uden indvandring": the projection in force without net
    // migration outlined, or taken away when it is.
    void ToggleWithoutMigrationComparison();

    // The projection on show computed again with the inputs in force (a new
    // net migration), in the picture on show; nothing while none is shown.
    void ProjectAgain();
    // The actual population of the target year, imported from Statistikbanken.
    bool CanCompareWithActual() const;
    bool ComparesWithActual() const;
    void ToggleActualComparison();
    // After an import: the newest imported base year's table, as "Inddata"
    // with that year would show it.
    void ShowNewestImport();
    // After "Glem indlæste tal": nothing imported stays on show.
    void ForgetImports();

signals:
    // What the input dialog offers when it opens next: the continuation's
    // year, or every input in force (an imported year shown at once).
    void TargetYearProposed(int32_t year);
    void InputsProposed(double childrenPerFamily, int32_t targetYear, int32_t retirementAge);
    // The model text beside the view is to show these lines, or to go.
    void ModelTextShown(const QStringList& lines);
    void ModelTextDismissed();

protected:
    void FormShow() override;

private:
    void ShowProjectionCommands();
    void ShowMadeTable();
    void ShowChart(int32_t mode);
    void PlaybackTimerTimer();
    void EndPlayback();

    std::unique_ptr<ProjectionPlayback> Playback;
    std::unique_ptr<QObject> PlaybackStopper;
};

extern TForm3* Form3;
