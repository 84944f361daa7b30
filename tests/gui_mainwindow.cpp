// The program start, the main window's menu and its dispatch.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTextEdit>
#include <QToolButton>

#include "About.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

namespace {

// Starts the program before the first test of the process, whichever file it
// is in, so that the start state is the program's own.
class ProgramStartEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ProgramStart(); }
};
[[maybe_unused]] ::testing::Environment* const StartEnvironment =
    ::testing::AddGlobalTestEnvironment(new ProgramStartEnvironment);

// The order in which the program creates its windows; CreateForms must
// create those that exist in this order.
const QStringList ProgramWindowOrder = {"Form1", "AboutBox", "BtnBottomDlg", "Form2", "Form3", "Form4",
                                        "Model", "BtnBottomDlg1", "Form7", "Form8", "Overskrif", "MigrationDlg",
                                        "Form9"};

TEST(StartSequence, CreatesEveryWindowOnceInProgramOrder) {
    ProgramStart();
    const QStringList created = CreatedForms();
    ASSERT_GE(created.size(), 3);
    EXPECT_EQ(created.front(), "Form1") << "the views attach to the main window, so it comes first";
    EXPECT_TRUE(created.contains("AboutBox"));
    EXPECT_EQ(created.back(), "Form9");
    qsizetype last = -1;
    for (const QString& name : created) {
        const qsizetype at = ProgramWindowOrder.indexOf(name);
        EXPECT_GT(at, last) << name.toStdString() << " is unknown, created twice or out of order";
        last = at;
    }

    TForm1* const main = Form1;
    CreateForms();
    EXPECT_EQ(Form1, main);
    EXPECT_EQ(CreatedForms(), created);
}

TEST(StartSequence, TitleIsTheNameFollowedByTheVersionLabel) {
    const StartState& start = ProgramStart();
    EXPECT_EQ(start.TitleBeforeShow, "Lysvandre");
    EXPECT_EQ(start.Title, "   Lysvandre    Version 110109");
}

TEST(StartSequence, AnotherVersionLabelGivesAnotherTitle) {
    ProgramStart();
    const QString version = AboutBox->Version->text();
    const int32_t activeView = ActiveView;
    AboutBox->Version->setText("Version 120101");
    Form1->FormShow();
    EXPECT_EQ(Form1->windowTitle(), "   Lysvandre    Version 120101");
    AboutBox->Version->setText(version);
    Form1->FormShow();
    EXPECT_EQ(Form1->windowTitle(), "   Lysvandre    Version 110109");
    ActiveView = activeView;
}

TEST(StartSequence, LoadsTheBuiltInDataWhenShown) {
    const StartState& start = ProgramStart();
    EXPECT_EQ(start.BaseYearBeforeShow, 0) << "nothing is loaded before the window is shown";
    EXPECT_EQ(start.BaseYear, 2008);
    EXPECT_EQ(start.NewestBaseDataSetYear, 2008);
    EXPECT_EQ(start.ActiveView, 0);
    EXPECT_FALSE(start.LifetimeViewActive);
}

TEST(StartSequence, MainWindowFillsTheWorkAreaInWhiteAndCourierNew) {
    const StartState& start = ProgramStart();
    EXPECT_TRUE(start.Maximised);
    EXPECT_EQ(start.FrameGeometry, start.WorkArea);
    EXPECT_FALSE(Form1->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(Form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(Form1->ClientArea->palette().color(QPalette::Window), QColor(Qt::white));

    const QFontInfo font(Form1->font());
    EXPECT_EQ(font.family(), "Liberation Mono");
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_TRUE(font.bold());
    EXPECT_NE(QFontInfo(Form1->MainMenu1->font()).family(), "Liberation Mono")
        << "the menu keeps the desktop's menu font";

    EXPECT_TRUE(Form1->Memo1->isHidden());
    EXPECT_EQ(Form1->Memo1->geometry(), QRect(8, 88, 97, 33));
}

TEST(StartSequence, StartPictureIsCentredThenHiddenByTheTimerForGood) {
    const StartState& start = ProgramStart();
    EXPECT_TRUE(start.PictureVisible);
    EXPECT_EQ(start.PicturePosition,
              QPoint(start.WorkArea.width() / 2 - 140, start.WorkArea.height() / 2 - 120));
    EXPECT_EQ(Form1->Image1->pixmap().size(), QSize(270, 220));
    EXPECT_TRUE(start.TimerActive);
    EXPECT_EQ(start.TimerInterval, 3000);

    EXPECT_TRUE(QTest::qWaitFor([] { return Form1->Image1->isHidden(); }, 5000));
    EXPECT_GE(start.SinceShown.elapsed(), 2900);
    EXPECT_FALSE(Form1->Timer1->isActive());

    // Minimised and restored, or hidden and shown again: the start does not
    // run again, so the picture stays hidden and the state stays as it was.
    const int32_t activeView = ActiveView;
    ActiveView = 2;
    State.BaseYear = 1980;  // loading the data again would make it 2008
    Form1->showMinimized();
    QTest::qWait(20);
    Form1->showMaximized();
    Form1->hide();
    Form1->show();
    QTest::qWait(20);
    EXPECT_TRUE(Form1->Image1->isHidden());
    EXPECT_FALSE(Form1->Timer1->isActive());
    EXPECT_EQ(ActiveView, 2);
    EXPECT_EQ(State.BaseYear, 1980);
    ActiveView = activeView;
    ResetProgramGlobals();
}

TEST(MainMenu, ItemsCaptionsShortcutsAndEnabledStateAtStart) {
    const std::vector<MenuEntrySeen> expected = {
        {"Filer1", "&Filer", "", "", true},
        {"Udskriv1", "Udskriv", "Filer1", "Ctrl+P", false},
        {"Afslut1", "&Afslut", "Filer1", "", true},
        {"Rediger1", "Rediger", "", "", true},
        {"KopiertilKlippebordet1", "Kopier til Klippebordet", "Rediger1", "", true},
        {"Levetid1", "&Levetid", "", "", true},
        {"enPerson", "Én person", "Levetid1", "", true},
        {"Topersoner1", "To personer", "Levetid1", "", true},
        {"Graf1", "Graf", "Levetid1", "", false},
        {"Tabel1", "Tabel", "Levetid1", "", false},
        {"Prognose1", "&Prognose", "", "", true},
        {"Inddata1", "Inddata", "Prognose1", "", true},
        {"Tabel2", "Tabel", "Prognose1", "", false},
        {"Pyramide1", "Pyramide", "Prognose1", "", false},
        {"Ialtgraf1", "I alt graf", "Prognose1", "", false},
        {"Fortst1", "Fortsæt", "Prognose1", "", false},
        {"Basisr1", "Basisår", "Prognose1", "", true},
        {"Aldersgrupper1", "Aldersgruppe", "", "", false},
        {"Folketllinger1", "Folke&tællinger", "", "", true},
        {"Inddata2", "Inddata", "Folketllinger1", "", true},
        {"Tabel3", "Tabel", "Folketllinger1", "", false},
        {"Pyramide2", "Pyramide", "Folketllinger1", "", false},
        {"Ialtgraf2", "I alt graf", "Folketllinger1", "", false},
        {"Historiskedata1", "Historiske data", "Folketllinger1", "", true},
        {"Middellevetid1", "Middellevetid", "Historiskedata1", "", true},
        {"Ddelighed1", "Dødelighed", "Historiskedata1", "", true},
        {"Fertilitet1", "Fertilitet", "Historiskedata1", "", true},
        {"Ekstra1", "E&kstra", "", "", true},
        {"Afspilprognose1", "&Afspil prognose", "Ekstra1", "", false},
        {"Sammenlign1", "&Sammenlign med basisåret", "Ekstra1", "", false},
        {"Sammenlignfolketlling1", "Sammenlign med &folketælling …", "Ekstra1", "", false},
        {"Sammenlignudenindvandring1", "Sammenlign &uden indvandring", "Ekstra1", "", false},
        {"Sammenlignfaktisk1", "Sammenlign med faktisk befolkning", "Ekstra1", "", false},
        {"Visiprocent1", "Vis i &procent", "Ekstra1", "", false},
        {"Indvandring1", "&Indvandring ...", "Ekstra1", "", true},
        {"Gemsom1", "&Gem som ...", "Ekstra1", "", false},
        {"Indlstal1", "&Indlæs tal fra Statistikbanken ...", "Ekstra1", "", true},
        {"Glemindlstetal1", "&Glem indlæste tal", "Ekstra1", "", false},
        {"Hjlp1", "&Hjælp", "", "", true},
        {"Vejledning1", "Vejledning", "Hjlp1", "", true},
        {"Omprogrammet1", "&Om programmet", "Hjlp1", "", true},
    };
    const std::vector<MenuEntrySeen>& actual = ProgramStart().Menu;
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].Name);
        EXPECT_EQ(actual[i].Name, expected[i].Name);
        EXPECT_EQ(actual[i].Caption, expected[i].Caption);
        EXPECT_EQ(actual[i].Parent, expected[i].Parent);
        EXPECT_EQ(actual[i].Shortcut, expected[i].Shortcut);
        EXPECT_EQ(actual[i].Enabled, expected[i].Enabled);
    }
}

TEST(MainMenu, OpeningAMainMenuSetsActiveViewEvenWithoutAChoice) {
    struct Row {
        const char* Menu;
        int32_t Expected;  // -1: left as it was
    };
    const Row rows[] = {
        {"Filer1", -1}, {"Rediger1", -1}, {"Levetid1", 1},
        {"Prognose1", 2}, {"Folketllinger1", 3}, {"Ekstra1", -1}, {"Hjlp1", -1},
    };
    ProgramStart();
    const int32_t before = ActiveView;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Menu);
        ActiveView = -1;
        QAction* item = Form1->findChild<QAction*>(row.Menu);
        ASSERT_NE(item, nullptr);
        Form1->MainMenu1->setActiveAction(item);
        EXPECT_TRUE(QTest::qWaitFor([item] { return item->menu()->isVisible(); }, 1000));
        item->menu()->hide();
        Form1->MainMenu1->setActiveAction(nullptr);
        EXPECT_EQ(ActiveView, row.Expected);
    }
    ActiveView = before;
}

TEST(MainMenu, CopyWithoutAViewToCopyLeavesTheClipboardAlone) {
    ProgramStart();
    DialogRecorder dialogs;
    const int32_t before = ActiveView;
    for (int32_t view : {0, -1, 4, 99}) {
        SCOPED_TRACE(view);
        QApplication::clipboard()->setText("earlier text");
        Form1->Memo1->setPlainText("Memo1");
        ActiveView = view;
        Form1->KopiertilKlippebordet1->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), "earlier text");
        EXPECT_EQ(Form1->Memo1->toPlainText(), "Memo1");
    }
    EXPECT_TRUE(dialogs.ExecutedDialogs.isEmpty());
    EXPECT_EQ(dialogs.PrintDialogs, 0);
    ActiveView = before;
}

TEST(MainMenu, PrintWithoutAViewOnShowAsksNothing) {
    ProgramStart();
    DialogRecorder dialogs;
    State.LifetimeViewActive = false;
    Form1->Udskriv1Click();
    EXPECT_EQ(dialogs.PrintDialogs, 0);
    EXPECT_TRUE(dialogs.ExecutedDialogs.isEmpty());
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST(MainMenu, CtrlPReachesPrintOnlyWhileItIsEnabled) {
    ProgramStart();
    DialogRecorder dialogs;
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    QSignalSpy printed(Form1->Udskriv1, &QAction::triggered);
    const bool wasEnabled = Form1->Udskriv1->isEnabled();

    Form1->Udskriv1->setEnabled(false);
    QTest::keyClick(Form1, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed.count(), 0);

    Form1->Udskriv1->setEnabled(true);
    QTest::keyClick(Form1, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed.count(), 1);
    Form1->Udskriv1->setEnabled(wasEnabled);
}

TEST(HelpMenu, GuideAndAboutBoxOpenModally) {
    ProgramStart();
    DialogRecorder dialogs;
    Form1->Vejledning1->trigger();
    Form1->Omprogrammet1->trigger();
    EXPECT_EQ(dialogs.ExecutedDialogs, QStringList({"Form9", "AboutBox"}));
}

TEST(Fonts, DesignFontsResolveToInstalledLookAlikes) {
    struct Row {
        const char* Asked;
        const char* Resolved;
        bool FixedPitch;
    };
    const Row rows[] = {
        {"Courier New", "Liberation Mono", true},
        {"Courier", "Liberation Mono", true},
        {"MS Sans Serif", "Liberation Sans", false},
        {"System", "Liberation Sans", false},
    };
    ProgramStart();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Asked);
        QFont font(row.Asked);
        font.setPixelSize(16);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), row.Resolved);
        EXPECT_EQ(info.fixedPitch(), row.FixedPitch);
    }
}

// The views say which of their commands are available; the main window keeps
// its items to that. Each view's signal reaches its own items and no others.
TEST(MenuCommands, EachViewDrivesExactlyItsOwnItems) {
    ProgramStart();
    struct Row {
        ViewWindow* View;
        ViewCommand Command;
        QAction* Item;  // nullptr: the view has no such item
    };
    const Row rows[] = {
        {Form2, ViewCommand::Print, Form1->Udskriv1},    {Form2, ViewCommand::Graph, Form1->Graf1},
        {Form2, ViewCommand::Table, Form1->Tabel1},      {Form2, ViewCommand::Pyramid, nullptr},
        {Form3, ViewCommand::Print, Form1->Udskriv1},    {Form3, ViewCommand::Table, Form1->Tabel2},
        {Form3, ViewCommand::Pyramid, Form1->Pyramide1}, {Form3, ViewCommand::TotalGraph, Form1->Ialtgraf1},
        {Form3, ViewCommand::Continue, Form1->Fortst1},  {Form3, ViewCommand::AgeGroups, Form1->Aldersgrupper1},
        {Form3, ViewCommand::Graph, nullptr},            {Form4, ViewCommand::Print, Form1->Udskriv1},
        {Form4, ViewCommand::Table, Form1->Tabel3},      {Form4, ViewCommand::Pyramid, Form1->Pyramide2},
        {Form4, ViewCommand::TotalGraph, Form1->Ialtgraf2}, {Form4, ViewCommand::Continue, nullptr},
    };
    const QList<QAction*> items = Form1->findChildren<QAction*>();
    std::vector<bool> before;
    for (QAction* item : items) before.push_back(item->isEnabled());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.View->objectName().toStdString() + " " + std::to_string(int(row.Command)));
        for (bool available : {true, false}) {
            for (QAction* item : items) item->setEnabled(!available);
            emit row.View->CommandsChanged(row.Command, available);
            for (QAction* item : items)
                EXPECT_EQ(item->isEnabled(), item == row.Item ? available : !available)
                    << item->objectName().toStdString();
        }
    }
    for (qsizetype i = 0; i < items.size(); ++i) items[i]->setEnabled(before[size_t(i)]);
}

// A view the main window has not connected (a second projection view here)
// cannot switch the menu: the views never reach into it.
TEST(MenuCommands, AnUnconnectedViewLeavesTheMenuAlone) {
    ProgramStart();
    const ModelState state = State;
    const bool wasEnabled = Form1->Tabel2->isEnabled();
    Form1->Tabel2->setEnabled(true);
    {
        QWidget host;
        TForm3 other(&host);
        other.DisableProjectionActions();
        EXPECT_FALSE(other.SpeedButton1->isEnabled());
    }
    EXPECT_TRUE(Form1->Tabel2->isEnabled());
    Form1->Tabel2->setEnabled(wasEnabled);
    State = state;
}

// "Gem som" is looked at again once a view's output commands change, not
// only as its menu opens.
TEST(MenuCommands, SaveFollowsWhatIsOnShowAfterAViewsOutputCommandsChange) {
    StartFresh();
    DialogRecorder dialogs;
    Form1->Gemsom1->setEnabled(false);
    Form1->Middellevetid1->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form1->Gemsom1->isEnabled()) << "a table on show";
    dialogs.OnExec = [](QDialog&) { return int(QDialog::Rejected); };
    Form1->Inddata1->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Form1->Gemsom1->isEnabled()) << "nothing on show after a cancelled input";
    HideViews();
}

}  // namespace
