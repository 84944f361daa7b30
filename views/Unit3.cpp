#include "Unit3.h"

#include "Dialogs.h"
#include "Inddatp.h"
#include "Lys_erkl.h"
#include "StatbankImports.h"
#include "ViewOutput.h"
#include "ToolGlyphs.h"
#include "Unit6.h"
#include "Unit7.h"
#include "ExtraCommands.h"
#include "ProjectionCommands.h"
#include "ViewTables.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <functional>


TForm3* Form3 = nullptr;

namespace {

// While a projection plays, the first key or click anywhere only stops it
// (the click's release goes too, so it never lands as a click).
class StopOnKeyOrClick : public QObject {
public:
    explicit StopOnKeyOrClick(std::function<bool()> playing, std::function<void()> stop)
        : playing_(std::move(playing)), stop_(std::move(stop)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ShortcutOverride:
                // A shortcut key stops too, and then runs its command on the
                // year reached; any other key is then only a stop.
                if (!playing_()) break;
                stop_();
                swallowKey_ = true;
                break;
            case QEvent::KeyPress:
                if (swallowKey_) return true;
                if (!playing_()) break;
                stop_();
                swallowKey_ = true;
                return true;
            case QEvent::KeyRelease:
                swallowKey_ = false;
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (!playing_()) break;
                swallowRelease_ = true;
                stop_();
                return true;
            case QEvent::MouseButtonRelease:
                if (!swallowRelease_) break;
                swallowRelease_ = false;
                return true;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> playing_;
    std::function<void()> stop_;
    bool swallowRelease_ = false;
    bool swallowKey_ = false;
};

}  // namespace

TForm3::TForm3(QWidget* host) : PopulationView(ProjectionChartView, host) {
    setObjectName("Form3");
    setBackgroundRole(QPalette::Button);

    const ToolButtons buttons = AddToolButtons(
        12, 138, 225,
        {"SpeedButton7", "SpeedButton8", "SpeedButton9", "SpeedButton1", "SpeedButton2", "SpeedButton3"}, false);
    SpeedButton7 = buttons.Print;
    SpeedButton8 = buttons.Heading;
    SpeedButton9 = buttons.Copy;
    SpeedButton1 = buttons.Table;
    SpeedButton2 = buttons.Pyramid;
    SpeedButton3 = buttons.TotalGraph;
    SpeedButton4 = AddSpeedButton(Panel1, "SpeedButton4", QRect(252, 8, 33, 33), "Fortsæt", true,
                                  ToolGlyphIcon(ToolGlyph::Continue));
    SpeedButton5 = AddSpeedButton(Panel1, "SpeedButton5", QRect(288, 8, 33, 33), "Aldersgruppe", true,
                                  ToolGlyphIcon(ToolGlyph::AgeGroups));
    SpeedButton6 = AddSpeedButton(Panel1, "SpeedButton6", QRect(324, 8, 33, 33), "Model", true,
                                  ToolGlyphIcon(ToolGlyph::Model));
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm3::SpeedButton7Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm3::SpeedButton8Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TForm3::SpeedButton9Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::ShowTable);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::ShowPyramid);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::ShowTotalGraph);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm3::ContinueProjection);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm3::ShowAgeGroups);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm3::ShowModelText);

    connect(PaintBox1, &ChartPaintBox::Clicked, this, &TForm3::PaintBox1Click);

    PlaybackTimer = new QTimer(this);
    PlaybackTimer->setObjectName("PlaybackTimer");
    PlaybackTimer->setInterval(100);
    connect(PlaybackTimer, &QTimer::timeout, this, &TForm3::PlaybackTimerTimer);
    PlaybackStopper = std::make_unique<StopOnKeyOrClick>([this] { return Playing(); }, [this] { StopPlayback(); });

    // FormCreate
    State.ClickX = 0;
    State.CursorLineX = 0;
    FitToMainWindow();
    ShowProjectionCommands();
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

// "Aldersgruppe" in the main menu stays once a projection has been made; the
// core keeps what is available, the view shows it.
void TForm3::ShowProjectionCommands() {
    const ProjectionCommandState& available = ProjectionCommands;
    if (available.Projection && available.AgeGroups) emit CommandsChanged(ViewCommand::AgeGroups, true);
    emit CommandsChanged(ViewCommand::Print | ViewCommand::Table | ViewCommand::Pyramid | ViewCommand::TotalGraph,
                         available.Projection);
    emit CommandsChanged(ViewCommand::Continue, available.Continue);
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton5, SpeedButton6})
        b->setEnabled(available.Projection);
    // "Fortsæt" on the tool bar does what the menu item does.
    SpeedButton4->setEnabled(available.Continue);
}

void TForm3::DisableProjectionActions() {
    SetProjectionCommandsAvailable(false);
    ShowProjectionCommands();
}

void TForm3::ClearChartArea(bool keepTable) {
    EndPlayback();
    // A new projection may have another base year.
    Chart.SetComparison(nullptr);
    if (!keepTable) State.TableLines.clear();
    ScrollBox1->verticalScrollBar()->setValue(0);
    ScrollBox1->ClearChart();
}

void TForm3::EnterInputs() {
    ShowView();
    BeginProjectionInputs();
    ClearChartArea();
    ExecModal(*BtnBottomDlg);
    if (FinishProjectionInputs()) ShowMadeTable();
    ShowProjectionCommands();
    ScrollBox1->Invalidate();
}

void TForm3::ShowTable() {
    MakeProjectionTable();
    ShowMadeTable();
}

void TForm3::ShowMadeTable() {
    EndPlayback();
    if (ComparesWithActual()) AddActualPopulationLine(State.TableLines);
    ShowTableLines();
}

void TForm3::ShowPyramid() { ShowChart(Chart.View().PyramidMode); }

void TForm3::ShowTotalGraph() { ShowChart(Chart.View().TotalGraphMode); }

void TForm3::ShowChart(int32_t mode) {
    EndPlayback();
    Memo2->hide();
    MakeProjectionChart(mode);
    ScrollBox1->Invalidate();
}

void TForm3::ContinueProjection() {
    const Continuation continuation = BeginContinuation();
    if (continuation.Ask) {
        emit TargetYearProposed(continuation.ProposedYear);
        // DisplayMode is not Nothing here, so OK leaves the set-up to the core.
        ExecModal(*BtnBottomDlg);
    }
    if (FinishContinuation(continuation)) ShowMadeTable();
    // The table on show (the new one, or the old one after a cancel) stays
    // what printing and copying read; a blanked chart leaves nothing.
    ClearChartArea(!Memo2->isHidden());
}

void TForm3::ShowAgeGroups() {
    const AgeGroupVisit visit = BeginAgeGroupVisit();
    ExecModal(*BtnBottomDlg1);
    EndAgeGroupVisit(visit);
}

void TForm3::ChooseBaseYear() {
    const BaseYearChoice choice = BeginBaseYearChoice();
    ClearChartArea();
    ScrollBox1->Invalidate();
    Memo2->clear();
    ExecModal(*Form7);
    if (FinishBaseYearChoice(choice)) ShowProjectionCommands();
}

void TForm3::ShowModelText() {
    QStringList lines;
    for (const std::string& line : ModelTextLines(QLocale().decimalPoint().toStdString()))
        lines.append(QString::fromStdString(line));
    emit ModelTextShown(lines);
}

void TForm3::PaintBox1Click() { emit ModelTextDismissed(); }

void TForm3::SpeedButton7Click() { PrintView(this); }

void TForm3::SpeedButton8Click() { ShowHeadingDialog(); }

void TForm3::SpeedButton9Click() { CopyView(this); }

bool TForm3::CanPlayProjection() const { return ::CanPlayProjection(ViewsShownNow()); }

void TForm3::PlayProjection() {
    if (!CanPlayProjection()) return;
    const int32_t mode = PlaybackMode();
    ShowChart(mode);
    Playback = std::make_unique<ProjectionPlayback>(mode);
    if (Playback->AtEnd()) {
        Playback.reset();  // only the target year: nothing to play
        return;
    }
    Chart.ShowInstead(&Playback->Frame());
    qApp->installEventFilter(PlaybackStopper.get());
    PlaybackTimer->start();
}

bool TForm3::Playing() const { return PlaybackTimer->isActive(); }

void TForm3::PlaybackTimerTimer() {
    if (!Playback) {
        PlaybackTimer->stop();
        return;
    }
    Playback->Step();
    if (Playback->AtEnd()) ShowChart(Playback->Frame().DisplayMode);
    else ScrollBox1->Invalidate();
}

void TForm3::StopPlayback() {
    PlaybackTimer->stop();
    // The year reached stays on show until the next command.
    ScrollBox1->Invalidate();
}

void TForm3::EndPlayback() {
    PlaybackTimer->stop();
    if (!Playback) return;
    Chart.ShowInstead(nullptr);
    Playback.reset();
    ScrollBox1->Invalidate();
}

void TForm3::ChooseBaseYearOutline() {
    if (ChartOnShow()) ChooseOutline(BaseYearComparison());
}

bool TForm3::CanCompareWithActual() const { return ::CanCompareWithActual(ViewsShownNow()); }

bool TForm3::ComparesWithActual() const { return IsActualPopulationComparison(Chart.Comparison()); }

void TForm3::ToggleActualComparison() {
    if (!CanCompareWithActual()) return;
    if (ComparesWithActual()) {
        Chart.SetComparison(nullptr);
    } else {
        const ChartComparison actual = ActualPopulationComparison();
        if (actual.GroupCount > 0) Chart.SetComparison(&actual);
    }
    // A table on show gets (or loses) its line with the actual total.
    if (!Memo2->isHidden()) ShowTable();
    ScrollBox1->Invalidate();
}

void TForm3::ShowNewestImport() {
    if (!StartNewestImportProjection()) return;
    ShowView();
    ClearChartArea();
    ShowProjectionCommands();
    // The input dialog shows the inputs in force.
    emit InputsProposed(State.ChildrenPerFamily, State.TargetYear, State.RetirementAge);
    ShowTable();
}

void TForm3::ForgetImports() {
    if (ComparesWithActual()) Chart.SetComparison(nullptr);
    if (!ForgetImportedProjection()) {
        if (!Memo2->isHidden()) ShowTable();
        ScrollBox1->Invalidate();
        return;
    }
    // The projection on show started from a year that is gone.
    ShowProjectionCommands();
    ClearChartArea();
    Memo2->clear();
    Memo2->hide();
}

void TForm3::ToggleWithoutMigrationComparison() {
    if (!ChartOnShow()) return;
    Chart.ChooseOutline(WithoutMigrationComparison());
    ScrollBox1->Invalidate();
}

void TForm3::ProjectAgain() {
    const int32_t mode = ::ProjectAgain(!isHidden());
    if (mode == DisplayModes::Nothing) return;
    EndPlayback();
    if (mode == DisplayModes::ProjectionTable) ShowTable();
    else ShowChart(mode);
}
