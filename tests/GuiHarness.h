// The program started once per test process, the way a user starts it:
// every window created by CreateForms and the main window shown. What the
// start looked like is kept, so tests that run later (in any file, in any
// order) can still check the start state after other tests changed things.
#pragma once

#include "AgeInterval.h"
#include "Dialogs.h"
#include "DialogRecorder.h"
#include "Forms.h"
#include "Inddatp.h"
#include "Lifetime.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "Output.h"
#include "Overskr.h"
#include "ProjectionCommands.h"
#include "StatbankImports.h"
#include "Unit6.h"
#include "Unit4.h"
#include "Unit8.h"
#include "Unit9.h"
#include "ViewGlobals.h"
#include "ViewWindow.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

// Readable values in test failure messages.
// Where tests save the README's pictures: LYSVANDRE_DOCS_DIR (set it to docs/
// to renew them), else a scratch folder, so a test run never writes into the
// source tree.
inline std::string PicturesDir() {
    QString dir = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
    if (dir.isEmpty()) dir = QDir::temp().filePath("lysvandre-pictures");
    QDir().mkpath(dir);
    return dir.toStdString();
}

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << " x " << s.height(); }
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "(" << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}

struct MenuEntrySeen {
    std::string Name;
    std::string Caption;
    std::string Parent;  // "" for the menu bar
    std::string Shortcut;
    bool Enabled = false;
};

struct StartState {
    QString TitleBeforeShow;
    int32_t BaseYearBeforeShow = 0;
    QString Title;
    int32_t BaseYear = 0;
    int32_t NewestBaseDataSetYear = 0;
    int32_t ActiveView = -1;
    bool LifetimeViewActive = true;
    bool Maximised = false;
    QRect FrameGeometry;  // the whole window, frame included
    QRect WorkArea;
    bool PictureVisible = false;
    QPoint PicturePosition;
    bool TimerActive = false;
    int TimerInterval = 0;
    std::vector<MenuEntrySeen> Menu;  // display order, depth first
    QPoint GuidePosition;          // Form9 as created, before any showing moves it
    bool CensusPanelsHidden = false;  // Form4's Panel2-4 and Memo2
    QElapsedTimer SinceShown;
};

namespace harness_detail {

inline void CollectMenu(const QList<QAction*>& items, const std::string& parent, std::vector<MenuEntrySeen>& out) {
    for (QAction* item : items) {
        if (item->isSeparator()) continue;
        out.push_back({item->objectName().toStdString(), item->text().toStdString(), parent,
                       item->shortcut().toString(QKeySequence::PortableText).toStdString(), item->isEnabled()});
        if (QMenu* sub = item->menu()) CollectMenu(sub->actions(), item->objectName().toStdString(), out);
    }
}

}  // namespace harness_detail

// Hides every view in the main window's client area.
inline void HideViews() {
    for (QObject* child : Form1->ClientArea->children())
        if (auto* view = qobject_cast<ViewWindow*>(child)) view->hide();
}

inline const StartState& ProgramStart() {
    static StartState* start = nullptr;
    if (start) return *start;
    start = new StartState;
    CreateForms();
    start->TitleBeforeShow = Form1->windowTitle();
    start->BaseYearBeforeShow = State.BaseYear;
    Form1->show();
    start->SinceShown.start();
    start->Title = Form1->windowTitle();
    start->BaseYear = State.BaseYear;
    start->NewestBaseDataSetYear = State.BaseDataSets[BaseDataSetCount - 1].Year;
    start->ActiveView = ActiveView;
    start->LifetimeViewActive = State.LifetimeViewActive;
    start->PictureVisible = Form1->Image1->isVisible();
    start->PicturePosition = Form1->Image1->pos();
    start->TimerActive = Form1->Timer1->isActive();
    start->TimerInterval = Form1->Timer1->interval();
    harness_detail::CollectMenu(Form1->MainMenu1->actions(), "", start->Menu);
    start->GuidePosition = Form9->pos();
    start->CensusPanelsHidden = Form4->Panel2->isHidden() && Form4->Panel3->isHidden() &&
                                Form4->Panel4->isHidden() && Form4->Memo2->isHidden();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form1));
    start->Maximised = Form1->windowState().testFlag(Qt::WindowMaximized);
    start->FrameGeometry = Form1->frameGeometry();
    start->WorkArea = Form1->screen()->availableGeometry();
    return *start;
}

// Every global of the program as it is right after start, so that no test
// depends on what an earlier test in the same process left behind.
inline void ResetProgramGlobals() { ResetViewGlobals(); }

// The program started, a fresh model and lifetime state, no view on show and
// the main window active: another window shown and hidden by an earlier test
// may still count as the active one, and focus moves only inside it.
inline void StartFresh() {
    ProgramStart();
    ResetProgramGlobals();
    HideViews();
    Form1->activateWindow();
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    ASSERT_EQ(QApplication::activeWindow(), Form1);
}

// A projection from baseYear through the main menu's "Inddata", the input
// dialog answered as a user would (each field typed anew, so the dialog stores
// it in the model); the table is on show afterwards.
inline void ProjectThroughMenu(DialogRecorder& dialogs, int32_t baseYear, const char* children = "1.8",
                               const char* year = "2030", const char* retirementAge = "67") {
    State.BaseYear = baseYear;
    dialogs.OnExec = [=](QDialog& dialog) {
        if (&dialog != BtnBottomDlg) return int(QDialog::Rejected);
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        for (auto [edit, text] : {std::pair{BtnBottomDlg->Edit1, children}, {BtnBottomDlg->Edit3, year},
                                  {BtnBottomDlg->Edit4, retirementAge}}) {
            edit->clear();
            edit->setText(text);
        }
        BtnBottomDlg->OKBtn->click();
        dialog.hide();
        return dialog.result();
    };
    Form1->Inddata1->trigger();
}
