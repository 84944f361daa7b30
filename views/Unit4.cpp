#include "Unit4.h"

#include "ChartSurface.h"
#include "Dialogs.h"
#include "HistoricalTables.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "ViewOutput.h"
#include "ToolGlyphs.h"
#include "Unit8.h"

#include <QAction>
#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

TForm4* Form4 = nullptr;

TForm4::TForm4() {
    setObjectName("Form4");
    setFont(CourierNew(13, false));
    resize(427, 273);

    Panel1 = AddToolBarPanel(this, "Panel1", 49);
    Bevel2 = AddBevel(Panel1, "Bevel2", QRect(20, 4, 113, 41));
    Bevel1 = AddBevel(Panel1, "Bevel1", QRect(140, 4, 113, 41));
    SpeedButton5 = AddSpeedButton(Panel1, "SpeedButton5", QRect(24, 8, 33, 33), "Print", true,
                                  ToolGlyphIcon(ToolGlyph::Print));
    SpeedButton6 = AddSpeedButton(Panel1, "SpeedButton6", QRect(60, 8, 33, 33),
                                  "Navn eller overskrift til udskrifter", true, ToolGlyphIcon(ToolGlyph::Heading));
    SpeedButton7 = AddSpeedButton(Panel1, "SpeedButton7", QRect(96, 8, 33, 33), "Kopier til Klippebordet", true,
                                  ToolGlyphIcon(ToolGlyph::Copy));
    SpeedButton1 = AddSpeedButton(Panel1, "SpeedButton1", QRect(144, 8, 33, 33), "Tabel", true,
                                  ToolGlyphIcon(ToolGlyph::Table));
    SpeedButton2 = AddSpeedButton(Panel1, "SpeedButton2", QRect(180, 8, 33, 33), "Pyramide", true,
                                  ToolGlyphIcon(ToolGlyph::Pyramid));
    SpeedButton3 = AddSpeedButton(Panel1, "SpeedButton3", QRect(216, 8, 33, 33), "I alt graf", true,
                                  ToolGlyphIcon(ToolGlyph::TotalGraph));
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm4::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm4::SpeedButton3Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm4::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm4::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm4::SpeedButton7Click);

    Panel2 = HiddenPanel(this, "Panel2");  // left margin
    Panel2->setFixedWidth(17);
    Panel3 = HiddenPanel(this, "Panel3");  // bottom margin
    Panel3->setFixedHeight(13);
    Panel4 = HiddenPanel(this, "Panel4");  // right margin
    Panel4->setFixedWidth(15);

    const ChartArea area = AddChartArea(this, Chart);
    ScrollBox1 = area.ScrollBox1;
    Memo2 = area.Memo2;
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

void TForm4::SetCensusActionsEnabled(bool enabled) {
    Form1->Udskriv1->setEnabled(enabled);
    Form1->Tabel3->setEnabled(enabled);
    Form1->Pyramide2->setEnabled(enabled);
    Form1->Ialtgraf2->setEnabled(enabled);
    SpeedButton1->setEnabled(enabled);
    SpeedButton2->setEnabled(enabled);
    SpeedButton3->setEnabled(enabled);
    SpeedButton5->setEnabled(enabled);
}

void TForm4::ResetCensusView() {
    SetCensusActionsEnabled(false);
    State.TableLines.clear();
    Memo2->clear();
}

void TForm4::ClearChart() {
    ScrollBox1->ClearChart();
}

void TForm4::StartCensusInput() {
    ClearChart();
    ResetCensusView();
    ShowView();
    ChooseCensus();
}

void TForm4::ChooseCensus() {
    State.ExactFigures = true;
    int n = 1;
    for (const EarlyCensusRecord& census : State.EarlyCensuses) State.YearChoices[n++] = census.Year;
    for (const CensusRecord& census : State.Censuses) State.YearChoices[n++] = census.Year;

    ExecModal(*Form8);

    const int32_t* first = State.YearChoices + 1;
    const int32_t* last = first + CensusYearCount;
    if (std::find(first, last, State.BaseYear) != last) {
        double total = 0;
        GroupCensus(total);
        State.TargetYear = State.BaseYear;
        ComputeGroupTotals();
        SetCensusActionsEnabled(true);
        ShowCensusTable();
    } else {
        ResetCensusView();
    }
    ScrollBox1->Invalidate();
}

std::vector<std::string> TForm4::CensusTableLines() {
    std::vector<std::string> lines = GroupTableLines(CensusChartView);
    lines[1] += "     Folketælling år: " + std::to_string(State.TargetYear);
    return lines;
}

void TForm4::ShowMemoTop() {
    QTextCursor top = Memo2->textCursor();
    top.movePosition(QTextCursor::Start);
    Memo2->setTextCursor(top);
    Memo2->verticalScrollBar()->setValue(0);
    Memo2->horizontalScrollBar()->setValue(0);
}

void TForm4::ShowCensusTable() {
    State.DisplayMode = 11;
    State.YearsToProject = State.TargetYear - State.BaseYear;
    const std::vector<std::string> lines = CensusTableLines();

    State.TableLines.clear();
    Memo2->show();
    // The memo shows the table two lines down and four blanks in.
    QString text = " \n ";
    for (const std::string& line : lines) {
        State.TableLines.push_back(line);
        text += "\n    " + QString::fromStdString(line);
    }
    Memo2->setPlainText(text);
    ShowMemoTop();
}

void TForm4::ShowCensusPyramid() { ShowCensusChart(Chart.View().PyramidMode); }

void TForm4::ShowCensusTotalGraph() { ShowCensusChart(Chart.View().TotalGraphMode); }

void TForm4::ShowCensusChart(int32_t mode) {
    Memo2->hide();
    State.DisplayMode = mode;
    State.YearsToProject = State.TargetYear - State.BaseYear;
    ComputeGroupTotals();
    State.CursorLineX = 0;
    State.ClickX = 1;
    ScrollBox1->Invalidate();
}

void TForm4::ShowHistoricalTable(const std::vector<std::string>& lines) {
    State.DisplayMode = 11;
    ShowView();
    State.TableLines = lines;
    ShowHistoricalLines();
}

void TForm4::ShowLifeExpectancyTable() {
    ShowHistoricalTable(LifeExpectancyLines());
}

void TForm4::ShowMortalityTable() {
    ShowHistoricalTable(MortalityLines());
}

void TForm4::ShowFertilityTable() {
    ShowHistoricalTable(FertilityLines());
}

void TForm4::ShowHistoricalLines() {
    Memo2->clear();
    Memo2->show();
    // Every table starts with a blank line, which the memo's own first line
    // stands for.
    QString text = " ";
    for (size_t i = 1; i < State.TableLines.size(); ++i) text += "\n" + QString::fromStdString(State.TableLines[i]);
    Memo2->setPlainText(text);
    ShowMemoTop();
    SpeedButton5->setEnabled(true);
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
