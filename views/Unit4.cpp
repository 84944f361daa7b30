#include "Unit4.h"

#include "ChartSurface.h"
#include "Dialogs.h"
#include "HistoricalTables.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "NumberText.h"
#include "Output.h"
#include "ToolGlyphs.h"
#include "Unit8.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

TForm4* Form4 = nullptr;

namespace {

QFont CourierNew(int pixels, bool bold) {
    QFont font("Courier New");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

constexpr int TableLineCount = 22;
constexpr int TableWidth = 25;

QFrame* HiddenPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->hide();
    return panel;
}

}  // namespace

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

    Panel2 = HiddenPanel(this, "Panel2");
    Panel3 = HiddenPanel(this, "Panel3");
    Panel4 = HiddenPanel(this, "Panel4");

    // The memo lies over the chart surface, in the same place.
    auto* area = new QWidget(this);
    area->setObjectName("ChartArea");
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    ScrollBox1 = new ChartSurface(area);
    ScrollBox1->SetChart(&Chart);
    stack->addWidget(ScrollBox1, 0, 0);
    Memo2 = new QPlainTextEdit(area);
    Memo2->setObjectName("Memo2");
    Memo2->setFont(CourierNew(16, true));
    Memo2->setReadOnly(true);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Hidden or shown, the memo keeps the chart surface's place.
    QSizePolicy policy = Memo2->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Memo2->setSizePolicy(policy);
    // Opaque, so that the chart behind it is not painted while it is covered.
    Memo2->setAutoFillBackground(true);
    stack->addWidget(Memo2, 0, 0);
    Memo2->raise();
    Memo2->hide();
    layout()->addWidget(area);

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
    std::vector<std::string> lines(TableLineCount, std::string(TableWidth, ' '));
    lines[0] = " Alder     Mænd   Kvinder";
    // Lines 1..20 have room for twenty groups; the total keeps line 21.
    const int32_t groups = std::clamp(State.GroupCount, 0, TableLineCount - 2);
    for (int32_t g = 0; g < groups; ++g) {
        const int32_t lo = g * (State.GroupSpan + 1);
        const int32_t hi = lo + State.GroupSpan;
        // The last five-year group holds everybody of 90 and over.
        const std::string hiText = hi == 94 ? "99" : FormatFixed(hi, 2, 0);
        lines[g + 1] = FormatFixed(lo, 2, 0) + "-" + hiText + ":" +
                       FormatFixed(RoundForDisplay(State.GroupMale[g]), 9, 0) +
                       FormatFixed(RoundForDisplay(State.GroupFemale[g]), 10, 0);
    }
    lines[21] = "I alt:" + FormatFixed(RoundForDisplay(State.TotalMale), 9, 0) +
                FormatFixed(RoundForDisplay(State.TotalFemale), 10, 0) + " =" +
                FormatFixed(RoundForDisplay(State.TotalMale + State.TotalFemale), 9, 0) + " indb.";
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

void TForm4::ShowCensusPyramid() {
    Memo2->hide();
    State.DisplayMode = 12;
    State.YearsToProject = State.TargetYear - State.BaseYear;
    ComputeGroupTotals();
    State.CursorLineX = 0;
    State.ClickX = 1;
    ScrollBox1->Invalidate();
}

void TForm4::ShowCensusTotalGraph() {
    Memo2->hide();
    State.DisplayMode = 13;
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
