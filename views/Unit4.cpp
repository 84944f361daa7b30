#include "Unit4.h"

#include "ChartSurface.h"
#include "Dialogs.h"
#include "Lys_erkl.h"
#include "ViewOutput.h"
#include "ToolGlyphs.h"
#include "Unit8.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

TForm4* Form4 = nullptr;

TForm4::TForm4() : PopulationView(CensusChartView, nullptr) {
    setObjectName("Form4");
    resize(427, 273);

    const ToolButtons buttons = AddToolButtons(
        20, 140, 113,
        {"SpeedButton5", "SpeedButton6", "SpeedButton7", "SpeedButton1", "SpeedButton2", "SpeedButton3"}, true);
    SpeedButton5 = buttons.Print;
    SpeedButton6 = buttons.Heading;
    SpeedButton7 = buttons.Copy;
    SpeedButton1 = buttons.Table;
    SpeedButton2 = buttons.Pyramid;
    SpeedButton3 = buttons.TotalGraph;
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm4::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm4::SpeedButton3Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm4::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm4::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm4::SpeedButton7Click);

    Panel2->setFixedWidth(17);  // left margin
    Panel3->setFixedHeight(13);  // bottom margin
    Panel4->setFixedWidth(15);  // right margin
    // Hidden or shown, the memo keeps the chart surface's place.
    QSizePolicy policy = Memo2->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Memo2->setSizePolicy(policy);
    // Opaque, so that the chart behind it is not painted while it is covered.
    Memo2->setAutoFillBackground(true);
    Memo2->hide();

    // FormCreate
    State.ClickX = 0;
    State.CursorLineX = 0;
    FitToMainWindow();
    ResetCensusView();
}

void TForm4::FormShow() {
    ViewWindow::FormShow();
    State.TableLines.clear();
    State.SavedScrollPos = ScrollBox1->VerticalScrollPos();
}

void TForm4::ShowCensusCommands() {
    const CensusCommandState& available = CensusCommands;
    emit CommandsChanged(ViewCommand::Print | ViewCommand::Table | ViewCommand::Pyramid | ViewCommand::TotalGraph,
                         available.Census);
    SpeedButton1->setEnabled(available.Census);
    SpeedButton2->setEnabled(available.Census);
    SpeedButton3->setEnabled(available.Census);
    SpeedButton5->setEnabled(available.Print);
}

void TForm4::ResetCensusView() {
    ResetCensusCommands();
    ShowCensusCommands();
    Memo2->clear();
}

void TForm4::ClearChart() {
    Chart.SetComparison(nullptr);
    ScrollBox1->ClearChart();
}

void TForm4::StartCensusInput() {
    ClearChart();
    ResetCensusView();
    ShowView();
    ChooseCensus();
}

void TForm4::ChooseCensus() {
    BeginCensusInput();
    const bool accepted = ExecModal(*Form8) == QDialog::Accepted;
    const bool shown = FinishCensusInput(accepted);
    ShowCensusCommands();
    if (shown) ShowTableLines();
    else Memo2->clear();
    ScrollBox1->Invalidate();
}

void TForm4::ShowCensusTable() {
    MakeCensusTable();
    ShowTableLines();
}

void TForm4::ShowCensusPyramid() { ShowCensusChart(Chart.View().PyramidMode); }

void TForm4::ShowCensusTotalGraph() { ShowCensusChart(Chart.View().TotalGraphMode); }

void TForm4::ShowCensusChart(int32_t mode) {
    Memo2->hide();
    MakeCensusChart(mode);
    ScrollBox1->Invalidate();
}

void TForm4::ShowHistoricalTable(HistoricalTable which) {
    ShowView();
    MakeHistoricalTable(which);
    ShowHistoricalLines();
}

void TForm4::ShowLifeExpectancyTable() { ShowHistoricalTable(HistoricalTable::LifeExpectancy); }

void TForm4::ShowMortalityTable() { ShowHistoricalTable(HistoricalTable::Mortality); }

void TForm4::ShowFertilityTable() { ShowHistoricalTable(HistoricalTable::Fertility); }

void TForm4::ShowHistoricalLines() {
    // Every table starts with a blank line, which the memo's own first line
    // stands for.
    QString text = " ";
    for (size_t i = 1; i < State.TableLines.size(); ++i) text += "\n" + QString::fromStdString(State.TableLines[i]);
    ShowMemoText(text);
    SpeedButton5->setEnabled(CensusCommands.Print);
    // The surface behind the memo follows the text mode too.
    ScrollBox1->Invalidate();
}

void TForm4::SpeedButton1Click() {
    ShowCensusTable();
}

void TForm4::SpeedButton2Click() {
    ShowCensusPyramid();
}

void TForm4::SpeedButton3Click() {
    ShowCensusTotalGraph();
}

void TForm4::SpeedButton5Click() { PrintView(this); }

void TForm4::SpeedButton6Click() { ShowHeadingDialog(); }

void TForm4::SpeedButton7Click() { CopyView(this); }
