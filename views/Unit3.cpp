#include "Unit3.h"

#include "Dialogs.h"
#include "Inddatp.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "NumberText.h"
#include "ViewOutput.h"
#include "ToolGlyphs.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cstring>

TForm3* Form3 = nullptr;

namespace {

// The pictures of the three buttons only this view has, in the manner of
// the shared tool glyphs.
enum class ProjectionGlyph { Continue, AgeGroups, Model };

QIcon Glyph(ProjectionGlyph kind) {
    QPixmap glyph = BlankGlyph(25, 25);
    QPainter p(&glyph);
    p.setPen(QPen(Qt::black, 1));
    switch (kind) {
        case ProjectionGlyph::Continue: {
            // A time line with an arrow running on to a later year.
            p.drawLine(2, 18, 22, 18);
            for (int x = 4; x <= 20; x += 4) p.drawLine(x, 16, x, 20);
            p.setBrush(QColor(0, 128, 0));
            const QPoint arrow[] = {{6, 6}, {16, 6}, {16, 2}, {23, 9}, {16, 16}, {16, 12}, {6, 12}};
            p.drawPolygon(arrow, 7);
            break;
        }
        case ProjectionGlyph::AgeGroups: {
            // A stack of age bars with a bracket round some of them.
            const int widths[] = {14, 13, 11, 9, 6};
            p.setBrush(QColor(200, 170, 90));
            for (int i = 0; i < 5; ++i) p.drawRect(3, 19 - 4 * i, widths[i], 3);
            p.setPen(QPen(QColor(160, 0, 0), 2));
            p.drawLine(20, 8, 22, 8);
            p.drawLine(22, 8, 22, 19);
            p.drawLine(20, 19, 22, 19);
            break;
        }
        case ProjectionGlyph::Model: {
            // A small form with three filled-in fields.
            p.setBrush(Qt::white);
            p.drawRect(3, 3, 18, 18);
            p.setBrush(QColor(200, 215, 240));
            for (int y = 6; y <= 16; y += 5) {
                p.setPen(QColor(128, 128, 128));
                p.drawLine(6, y + 1, 11, y + 1);
                p.setPen(Qt::black);
                p.drawRect(13, y, 6, 3);
            }
            break;
        }
    }
    p.end();
    return QIcon(glyph);
}

// The people aged a to b (single years) in millions and as a share of the
// grouped total. Ages outside the table's 0..99 are never read.
std::string Share(int a, int b) {
    double s = 0;
    for (int x = std::max(a, 0); x <= std::min(b, 99); ++x) {
        s = s + State.PopMale[x];
        s = s + State.PopFemale[x];
    }
    const double total = State.TotalMale + State.TotalFemale;
    const double percent = total > 0 ? s / total * 100 : 0;
    return FormatFixed(s / 1000000, 6, 3) + " mill. =" + FormatFixed(percent, 5, 1) + "%";
}

// What the age-group dialog may change while it lists other years: the
// working population and everything derived from it. Put back afterwards so
// that the table and the charts keep describing the projection on show (or
// the census, when the dialog was opened from there).
struct PopulationSnapshot {
    int32_t BaseYear, YearsToProject, GroupCount, GroupSpan, ScaleStep;
    bool ExactFigures;
    double BaseChildrenPerWoman, NewbornMortalityMale, NewbornMortalityFemale;
    double MaxMaleGroup, MaxFemaleGroup, TotalMale, TotalFemale, ChartUnit;
    double SurvivorsMale[AgeCount], SurvivorsFemale[AgeCount], PopMale[AgeCount], PopFemale[AgeCount];
    double BaseFertility[6], Fertility[6];
    double GroupMale[MaxGroups], GroupFemale[MaxGroups];
    int32_t YearChoices[CensusYearCount + 1];

    template <class From, class To>
    static void Copy(const From& from, To& to) {
        to.BaseYear = from.BaseYear;
        to.YearsToProject = from.YearsToProject;
        to.GroupCount = from.GroupCount;
        to.GroupSpan = from.GroupSpan;
        to.ScaleStep = from.ScaleStep;
        to.ExactFigures = from.ExactFigures;
        to.BaseChildrenPerWoman = from.BaseChildrenPerWoman;
        to.NewbornMortalityMale = from.NewbornMortalityMale;
        to.NewbornMortalityFemale = from.NewbornMortalityFemale;
        to.MaxMaleGroup = from.MaxMaleGroup;
        to.MaxFemaleGroup = from.MaxFemaleGroup;
        to.TotalMale = from.TotalMale;
        to.TotalFemale = from.TotalFemale;
        to.ChartUnit = from.ChartUnit;
        std::memcpy(to.SurvivorsMale, from.SurvivorsMale, sizeof to.SurvivorsMale);
        std::memcpy(to.SurvivorsFemale, from.SurvivorsFemale, sizeof to.SurvivorsFemale);
        std::memcpy(to.PopMale, from.PopMale, sizeof to.PopMale);
        std::memcpy(to.PopFemale, from.PopFemale, sizeof to.PopFemale);
        std::memcpy(to.BaseFertility, from.BaseFertility, sizeof to.BaseFertility);
        std::memcpy(to.Fertility, from.Fertility, sizeof to.Fertility);
        std::memcpy(to.GroupMale, from.GroupMale, sizeof to.GroupMale);
        std::memcpy(to.GroupFemale, from.GroupFemale, sizeof to.GroupFemale);
        std::memcpy(to.YearChoices, from.YearChoices, sizeof to.YearChoices);
    }
};

}  // namespace

TForm3::TForm3(QWidget* host) : ViewWindow(host) {
    setObjectName("Form3");
    setFont(CourierNew(13, false));
    setBackgroundRole(QPalette::Button);

    Panel1 = AddToolBarPanel(this, "Panel1", 49);
    Bevel2 = AddBevel(Panel1, "Bevel2", QRect(12, 4, 113, 41));
    Bevel1 = AddBevel(Panel1, "Bevel1", QRect(138, 4, 225, 41));
    SpeedButton7 = AddSpeedButton(Panel1, "SpeedButton7", QRect(16, 8, 33, 33), "Print", true,
                                  ToolGlyphIcon(ToolGlyph::Print));
    SpeedButton8 = AddSpeedButton(Panel1, "SpeedButton8", QRect(52, 8, 33, 33),
                                  "Navn eller overskrift til udskrifter", false, ToolGlyphIcon(ToolGlyph::Heading));
    SpeedButton9 = AddSpeedButton(Panel1, "SpeedButton9", QRect(88, 8, 33, 33), "Kopier til Klippebordet", true,
                                  ToolGlyphIcon(ToolGlyph::Copy));
    SpeedButton1 = AddSpeedButton(Panel1, "SpeedButton1", QRect(144, 8, 33, 33), "Tabel", true,
                                  ToolGlyphIcon(ToolGlyph::Table));
    SpeedButton2 = AddSpeedButton(Panel1, "SpeedButton2", QRect(180, 8, 33, 33), "Pyramide", true,
                                  ToolGlyphIcon(ToolGlyph::Pyramid));
    SpeedButton3 = AddSpeedButton(Panel1, "SpeedButton3", QRect(216, 8, 33, 33), "I alt graf", true,
                                  ToolGlyphIcon(ToolGlyph::TotalGraph));
    SpeedButton4 = AddSpeedButton(Panel1, "SpeedButton4", QRect(252, 8, 33, 33), "Fortsæt", true,
                                  Glyph(ProjectionGlyph::Continue));
    SpeedButton5 = AddSpeedButton(Panel1, "SpeedButton5", QRect(288, 8, 33, 33), "Aldersgruppe", true,
                                  Glyph(ProjectionGlyph::AgeGroups));
    SpeedButton6 = AddSpeedButton(Panel1, "SpeedButton6", QRect(324, 8, 33, 33), "Model", true,
                                  Glyph(ProjectionGlyph::Model));
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm3::SpeedButton7Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm3::SpeedButton8Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TForm3::SpeedButton9Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::ShowTable);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::ShowPyramid);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::ShowTotalGraph);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm3::ContinueProjection);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm3::ShowAgeGroups);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm3::ShowModelText);

    Panel2 = HiddenPanel(this, "Panel2");
    Panel3 = HiddenPanel(this, "Panel3");
    Panel4 = HiddenPanel(this, "Panel4");

    const ChartArea area = AddChartArea(this, Chart);
    ScrollBox1 = area.ScrollBox1;
    Memo2 = area.Memo2;
    PaintBox1 = ScrollBox1->PaintBox1;
    connect(PaintBox1, &ChartPaintBox::Clicked, this, &TForm3::PaintBox1Click);

    // FormCreate
    State.ClickX = 0;
    State.CursorLineX = 0;
    FitToMainWindow();
    DisableProjectionActions();
}

TForm3::~TForm3() {
    ScrollBox1->SetChart(nullptr);
}

void TForm3::FormShow() {
    FitToMainWindow();
    State.TableLines.clear();
    State.SavedScrollPos = ScrollBox1->VerticalScrollPos();
    Memo2->clear();
}

void TForm3::FitToMainWindow() {
    if (isHidden()) return;
    RemoveCursor();
    ViewWindow::FitToMainWindow();
}

void TForm3::EnableProjectionActions() {
    Form1->Aldersgrupper1->setEnabled(true);
    SetProjectionActionsEnabled(true);
}

// "Aldersgruppe" and the output buttons are left alone: once a projection
// has been made, the age groups stay available for the rest of the run.
void TForm3::DisableProjectionActions() { SetProjectionActionsEnabled(false); }

void TForm3::SetProjectionActionsEnabled(bool enabled) {
    Form1->Udskriv1->setEnabled(enabled);
    Form1->Tabel2->setEnabled(enabled);
    Form1->Pyramide1->setEnabled(enabled);
    Form1->Ialtgraf1->setEnabled(enabled);
    Form1->Fortst1->setEnabled(enabled && State.TargetYear < 2100);
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6})
        b->setEnabled(enabled);
}

void TForm3::ClearChartArea() {
    State.TableLines.clear();
    ScrollBox1->verticalScrollBar()->setValue(0);
    ScrollBox1->ClearChart();
}

void TForm3::EnterInputs() {
    ShowView();
    ListBaseYears();
    State.DisplayMode = 0;
    ClearChartArea();
    // DisplayMode 0: the dialog's OK sets the projection up.
    ExecModal(*BtnBottomDlg);
    if (State.InputsAccepted) {
        EnableProjectionActions();
        State.YearsToProject = State.TargetYear - State.BaseYear;
        RunProjection();
        ComputeGroupTotals();
        ShowTable();
    } else {
        DisableProjectionActions();
    }
    ScrollBox1->Invalidate();
}

std::vector<std::string> TForm3::BuildTableLines() {
    std::vector<std::string> lines = GroupTableLines(ProjectionChartView);
    const int32_t retirement = State.RetirementAge;
    lines[1] += "    PROGNOSE  for året " + std::to_string(State.TargetYear) + "    Basisår: " +
                std::to_string(State.BaseYear);
    lines[3] += "    Børnetal pr. familie:" + FormatFixed(State.ChildrenPerFamily, 19, 2);
    lines[5] += "    Pensionsalder:                      " + std::to_string(retirement) + " år";
    lines[11] += "    Småbørn      ( 0- 4 år): " + Share(0, 4);
    lines[13] += "    Skolebørn    ( 5-15 år): " + Share(5, 15);
    lines[15] += "    Produktive   (16-" + std::to_string(retirement - 1) + " år): " + Share(16, retirement - 1);
    lines[17] += "    Pensionister (" + std::to_string(retirement) + "-99 år): " + Share(retirement, 99);
    return lines;
}

void TForm3::ShowTable() {
    State.DisplayMode = 1;
    std::vector<std::string> lines = BuildTableLines();

    // Two blank lines, then the table indented by four blanks; the caret on
    // the first line shows the table from its top.
    QString text = QStringLiteral(" \n ");
    for (const std::string& line : lines) text += QStringLiteral("\n    ") + QString::fromStdString(line);
    State.TableLines = std::move(lines);
    Memo2->setPlainText(text);
    Memo2->show();
    Memo2->moveCursor(QTextCursor::Start);
    Memo2->horizontalScrollBar()->setValue(0);
    Memo2->verticalScrollBar()->setValue(0);
}

void TForm3::ShowPyramid() { ShowChart(Chart.View().PyramidMode); }

void TForm3::ShowTotalGraph() { ShowChart(Chart.View().TotalGraphMode); }

void TForm3::ShowChart(int32_t mode) {
    Memo2->hide();
    State.DisplayMode = mode;
    State.YearsToProject = State.TargetYear - State.BaseYear;
    ComputeGroupTotals();
    State.GroupSpan = 4;
    State.GroupCount = 20;
    State.CursorLineX = 0;
    State.ClickX = 1;
    ScrollBox1->Invalidate();
}

void TForm3::ContinueProjection() {
    State.SavedTargetYear = State.TargetYear;
    // A cancelled dialog may have stored invalid inputs on its way; the
    // table on screen was made with these.
    const double savedChildren = State.ChildrenPerFamily;
    const int32_t savedRetirement = State.RetirementAge;
    bool asked = false;
    if (State.TargetYear < 2100) {
        BtnBottomDlg->Edit3->setText(QString::number(State.TargetYear + 1));
        // DisplayMode is not 0 here, so OK leaves the set-up to this view.
        ExecModal(*BtnBottomDlg);
        asked = true;
    }
    if (State.InputsAccepted) {
        if (asked) {
            SetUpProjection();
            RunProjection();
            ComputeGroupTotals();
        }
        ShowTable();
    } else {
        State.TargetYear = State.SavedTargetYear;
        State.ChildrenPerFamily = savedChildren;
        State.RetirementAge = savedRetirement;
    }
    State.DisplayMode = 4;
    ClearChartArea();
}

void TForm3::ShowAgeGroups() {
    State.SavedTargetYear = State.TargetYear;
    PopulationSnapshot saved;
    PopulationSnapshot::Copy(State, saved);
    ExecModal(*BtnBottomDlg1);
    State.TargetYear = State.SavedTargetYear;
    PopulationSnapshot::Copy(saved, State);
}

void TForm3::ChooseBaseYear() {
    State.ExactFigures = false;
    ListBaseYears();
    const int32_t before = State.BaseYear;
    State.DisplayMode = 0;
    ClearChartArea();
    ScrollBox1->Invalidate();
    Memo2->clear();
    State.TableLines.clear();
    ExecModal(*Form7);
    // A year without a base population is projected from the newest one;
    // say so at once, so the input dialog's year range and the table's
    // "Basisår" name the population actually used.
    bool listed = false;
    for (int k = 1; k <= BaseDataSetCount; ++k) listed = listed || State.YearChoices[k] == State.BaseYear;
    if (!listed) State.BaseYear = State.YearChoices[BaseDataSetCount];
    if (State.BaseYear != before) DisableProjectionActions();
}

void TForm3::ShowModelText() {
    Model->resize(420, 140);
    Model->Memo1->clear();
    const QString children = QLocale().toString(State.ChildrenPerFamily, 'f', 2);
    Model->Memo1->appendPlainText(" ");
    Model->Memo1->appendPlainText(" Børnetal pr. familie              : " + children);
    Model->Memo1->appendPlainText(" Årstal (" + QString::number(State.BaseYear) +
                                  " .. 2100)             : " + QString::number(State.TargetYear));
    Model->Memo1->appendPlainText(" Pensionsalder (mindst 50)         : " + QString::number(State.RetirementAge));
    Model->Memo1->appendPlainText(" ");
    Model->show();
}

void TForm3::PaintBox1Click() {
    if (Model->isVisible()) Model->close();
}

void TForm3::SpeedButton7Click() { PrintView(this); }

void TForm3::SpeedButton8Click() { ShowHeadingDialog(); }

void TForm3::SpeedButton9Click() { CopyView(this); }
