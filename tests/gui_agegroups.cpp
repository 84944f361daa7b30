// The age-group dialog as a pupil uses it: typing an interval and years,
// the two lists, printing, copying and the heading dialog in between.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "AgeInterval.h"
#include "Overskr.h"
#include "Unit3.h"
#include "Unit6.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <filesystem>

namespace {

QStringList Lines(const QPlainTextEdit* memo) { return TBtnBottomDlg1::MemoLines(memo); }

// A projection from 2000 with 1.56 children per family to 2010, as the
// projection view leaves it.
void ProjectFrom2000To2010() {
    State = ModelState();
    LoadAllData();
    ListBaseYears();
    State.BaseYear = 2000;
    State.TargetYear = 2010;
    State.ChildrenPerFamily = 1.56;
    State.RetirementAge = 67;
    SetUpProjection();
    RunProjection();
    ComputeGroupTotals();
}

class AgeGroupDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramStart();
        ProjectFrom2000To2010();
        Overskrif->HeadingText.clear();
        Open();
    }
    void TearDown() override { BtnBottomDlg1->hide(); }

    // Shown with the target year the projection view puts back after every
    // showing, but without waiting for it.
    static void Open() {
        BtnBottomDlg1->hide();
        State.TargetYear = 2010;
        BtnBottomDlg1->show();
    }
    static TBtnBottomDlg1* Dlg() { return BtnBottomDlg1; }

    // Typed key by key, through the fields' key rules.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void ShowResultFor(const QString& interval) {
        Type(Dlg()->Edit1, interval);
        Dlg()->SpeedButton5->click();
    }
};

TEST_F(AgeGroupDialog, ControlsAtTheirPlaces) {
    TBtnBottomDlg1* d = Dlg();
    EXPECT_EQ(d->windowTitle(), "  Aldersgrupper");
    EXPECT_EQ(d->size(), QSize(723, 506));
    EXPECT_EQ(d->minimumSize(), d->maximumSize()) << "not resizable";
    const std::pair<QWidget*, QRect> rows[] = {
        {d->Panel1, {0, 0, 723, 57}},          {d->Bevel2, {20, 8, 113, 41}},
        {d->SpeedButton1, {24, 12, 33, 33}},   {d->SpeedButton2, {60, 12, 33, 33}},
        {d->SpeedButton3, {96, 12, 33, 33}},   {d->Bevel4, {152, 8, 41, 41}},
        {d->SpeedButton4, {156, 12, 33, 33}},  {d->Edit1, {280, 64, 65, 24}},
        {d->Bevel1, {16, 96, 329, 401}},       {d->Edit2, {224, 104, 49, 24}},
        {d->Bevel5, {244, 132, 81, 41}},       {d->SpeedButton5, {249, 136, 33, 33}},
        {d->SpeedButton6, {287, 136, 33, 33}}, {d->Memo1, {24, 176, 313, 313}},
        {d->Bevel3, {352, 96, 361, 401}},      {d->Memo2, {360, 136, 345, 353}},
    };
    for (const auto& [control, geometry] : rows)
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();
    EXPECT_EQ(d->Label2->text(), "Nyt årstal (2000..2099):");
    EXPECT_EQ(d->Label2->pos(), QPoint(32, 106));
    EXPECT_EQ(d->SpeedButton5->toolTip(), "Vis resultat");
    EXPECT_TRUE(d->SpeedButton2->toolTip().isEmpty());

    // The three hidden controls lie under the panel, where nobody sees them
    // and tabbing never lands.
    const QObjectList& order = d->children();
    for (QWidget* hidden : std::initializer_list<QWidget*>{d->BitBtn1, d->Button2, d->Label5}) {
        EXPECT_TRUE(d->Panel1->geometry().contains(hidden->pos()));
        EXPECT_LT(order.indexOf(hidden), order.indexOf(d->Panel1)) << "covered by the panel";
        EXPECT_EQ(hidden->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(AgeGroupDialog, OpensEmptyAtTop155) {
    Type(Dlg()->Edit2, "2050");
    ShowResultFor("0..4");
    Dlg()->move(10, 10);
    Open();
    EXPECT_EQ(Dlg()->pos().y(), 155);
    EXPECT_TRUE(Dlg()->Edit1->text().isEmpty());
    EXPECT_TRUE(Dlg()->Edit2->text().isEmpty());
    EXPECT_TRUE(Lines(Dlg()->Memo1).isEmpty());
    EXPECT_TRUE(Lines(Dlg()->Memo2).isEmpty());
    for (QToolButton* off : {Dlg()->SpeedButton1, Dlg()->SpeedButton3, Dlg()->SpeedButton5})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_EQ(IntervalTo, 0) << "emptying the interval field parsed it again";
    EXPECT_EQ(YearListCount, 2);
    EXPECT_EQ(YearList[2], 2010);
}

TEST_F(AgeGroupDialog, IntervalTexts) {
    struct Row {
        const char* name;
        const char* text;
        bool valid;
        int32_t from, to;
    };
    const Row rows[] = {
        {"reversed", "64..20", true, 20, 64},
        {"widest", "0..99", true, 0, 99},
        {"one age", "99..99", true, 99, 99},
        {"upper bound 100", "90..100", false, 90, 100},
        {"no upper part", "5..", false, 0, 5},
        {"no lower part", "..5", false, 0, 0},
        {"single dot", "5.20", false, 0, 0},
        {"first separator counts", "1...5", false, 0, 1},
        {"beyond 32 bits", "5..99999999999", false, 0, 5},
        {"pasted sign", "-5..10", false, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Dlg()->Edit1->setText(QString::fromUtf8(r.text));  // as pasted: no key rules
        EXPECT_EQ(Dlg()->SpeedButton5->isEnabled(), r.valid);
        EXPECT_EQ(IntervalFrom, r.from);
        EXPECT_EQ(IntervalTo, r.to);
    }
}

TEST_F(AgeGroupDialog, KeyRules) {
    Type(Dlg()->Edit1, "a6-4 ..x,2b0");
    EXPECT_EQ(Dlg()->Edit1->text(), "64..20");
    Type(Dlg()->Edit2, "2.0,a5 0");
    EXPECT_EQ(Dlg()->Edit2->text(), "2050");

    Type(Dlg()->Edit1, "5..");
    QTest::keyClick(Dlg()->Edit1, Qt::Key_Return);
    EXPECT_TRUE(Lines(Dlg()->Memo2).isEmpty()) << "Enter does nothing with an invalid interval";

    for (QLineEdit* field : {Dlg()->Edit1, Dlg()->Edit2}) {
        SCOPED_TRACE(field->objectName().toStdString());
        Dlg()->SpeedButton6->click();
        Type(Dlg()->Edit1, "0..4");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(Lines(Dlg()->Memo1).size(), 4);
        EXPECT_EQ(Dlg()->Edit1->text(), "0..4") << "the Enter is not typed";
        EXPECT_TRUE(Dlg()->isVisible());
    }
}

TEST_F(AgeGroupDialog, LinesOfBaseYear2000) {
    // No year added: the base and target lines between two blank lines.
    ShowResultFor("0..4");
    EXPECT_EQ(Lines(Dlg()->Memo1),
              QStringList({" ", "2000  0..4   0.341 mill.    6.4%", "2010  0..4   0.247 mill.    4.7%", " "}));
    ShowResultFor("65..99");
    EXPECT_EQ(Lines(Dlg()->Memo1).value(1), "2000  65..99   0.790 mill.   14.8%");
    EXPECT_TRUE(Dlg()->SpeedButton1->isEnabled());
    EXPECT_TRUE(Dlg()->SpeedButton3->isEnabled());
}

TEST_F(AgeGroupDialog, HistoricalList) {
    ShowResultFor("0..99");
    const QStringList lines = Lines(Dlg()->Memo2);
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines.mid(0, 3), QStringList({" ", "    År   alder    befolkning", " "}));
    const int years[] = {1787, 1801, 1840, 1860, 1880, 1901, 1911, 1921, 1930,
                         1940, 1950, 1960, 1970, 1980, 1990, 2000, 2006};
    for (int i = 0; i < 17; ++i) {
        EXPECT_TRUE(lines[3 + i].startsWith(QString("   %1  0..99").arg(years[i]))) << lines[3 + i].toStdString();
        EXPECT_TRUE(lines[3 + i].endsWith(" mill.  100.0%")) << lines[3 + i].toStdString();
    }
    EXPECT_EQ(HistoricalLineCount, 22);
    EXPECT_EQ(State.BaseYear, 2000) << "put back";
}

TEST_F(AgeGroupDialog, ReversedIntervalInEveryLine) {
    Type(Dlg()->Edit2, "2050");
    ShowResultFor("64..20");
    const QStringList lines = Lines(Dlg()->Memo1).mid(1, 2) + Lines(Dlg()->Memo1).mid(4) + Lines(Dlg()->Memo2).mid(3);
    ASSERT_EQ(lines.size(), 3 + 17);
    for (const QString& line : lines) EXPECT_TRUE(line.contains("  20..64 ")) << line.toStdString();
}

TEST_F(AgeGroupDialog, AddedYears) {
    const std::pair<const char*, bool> rows[] = {{"2000", false}, {"2001", true}, {"2099", true}, {"2100", false}};
    for (const auto& [typed, added] : rows) {
        SCOPED_TRACE(typed);
        Open();
        Type(Dlg()->Edit2, typed);
        EXPECT_EQ(YearListCount, added ? 3 : 2);
        EXPECT_EQ(Dlg()->SpeedButton5->isEnabled(), added);
    }

    // Typing 2050 adds it once; taking back its last digit and typing it
    // again adds it again. Every year is projected from the base year.
    Open();
    Type(Dlg()->Edit2, "2050");
    QTest::keyClick(Dlg()->Edit2, Qt::Key_Backspace);
    QTest::keyClicks(Dlg()->Edit2, "0");
    Type(Dlg()->Edit2, "2030");
    ShowResultFor("0..4");
    const QStringList lines = Lines(Dlg()->Memo1);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[4].startsWith("2050  0..4"));
    EXPECT_EQ(lines[5], lines[4]);
    EXPECT_TRUE(lines[6].startsWith("2030  0..4"));
}

TEST_F(AgeGroupDialog, YearWithInvalidIntervalUsesTheBoundsLeft) {
    const std::pair<const char*, const char*> rows[] = {{"", "  0..0 "}, {"20..", "  0..20 "}};
    for (const auto& [interval, bounds] : rows) {
        SCOPED_TRACE(interval);
        Open();
        Type(Dlg()->Edit1, interval);
        Type(Dlg()->Edit2, "2050");
        ASSERT_TRUE(Dlg()->SpeedButton5->isEnabled());
        Dlg()->SpeedButton5->click();
        EXPECT_TRUE(Lines(Dlg()->Memo1).value(1).contains(bounds)) << Lines(Dlg()->Memo1).value(1).toStdString();
        EXPECT_TRUE(Lines(Dlg()->Memo2).value(3).contains(bounds));
    }
}

TEST_F(AgeGroupDialog, FullYearListIgnoresFurtherYears) {
    for (int i = 0; i < 130; ++i) Dlg()->Edit2->setText(QString::number(2001 + i % 99));
    EXPECT_EQ(YearListCount, YearListSize);
    EXPECT_EQ(YearList[YearListSize], 2001 + 97);
    ShowResultFor("0..99");
    EXPECT_EQ(Lines(Dlg()->Memo1).size(), 4 + YearListSize - 2);
}

TEST_F(AgeGroupDialog, YearTextsThatAreNoYearAreIgnored) {
    for (const char* pasted : {"99999999999", "2147483648", "20x0", "-2050", " 2050"}) {
        SCOPED_TRACE(pasted);
        Dlg()->Edit2->setText(pasted);
        EXPECT_EQ(State.TargetYear, 2010);
        EXPECT_EQ(YearListCount, 2);
    }
    Dlg()->Edit2->setText("000000000002050");  // long, but a year
    EXPECT_EQ(YearList[YearListCount], 2050);
}

TEST_F(AgeGroupDialog, HeadingDialogVisitResetsTheYearList) {
    Type(Dlg()->Edit2, "2050");
    Type(Dlg()->Edit2, "2070");
    ShowResultFor("0..4");
    Dlg()->move(10, 10);
    DialogRecorder recorder;
    Dlg()->SpeedButton2->click();
    EXPECT_EQ(recorder.ExecutedDialogs, QStringList({"Overskrif"}));
    EXPECT_EQ(Dlg()->pos().y(), 155);
    EXPECT_EQ(YearListCount, 2);
    EXPECT_EQ(Lines(Dlg()->Memo1).size(), 6) << "still shown until the next result";
    // The target year listed is the one the dialog opened with, not the last
    // one projected.
    Dlg()->SpeedButton5->click();
    ASSERT_EQ(Lines(Dlg()->Memo1).size(), 4);
    EXPECT_TRUE(Lines(Dlg()->Memo1)[2].startsWith("2010  0..4"));
}

TEST_F(AgeGroupDialog, ClearAll) {
    Type(Dlg()->Edit2, "2050");
    ShowResultFor("0..4");
    Dlg()->SpeedButton6->click();
    EXPECT_TRUE(Dlg()->Edit1->text().isEmpty());
    EXPECT_TRUE(Lines(Dlg()->Memo1).isEmpty());
    EXPECT_TRUE(Lines(Dlg()->Memo2).isEmpty());
    EXPECT_EQ(YearListCount, 2);
    EXPECT_TRUE(Dlg()->SpeedButton1->isEnabled()) << "print and copy keep their state";
    EXPECT_TRUE(Dlg()->SpeedButton3->isEnabled());
}

TEST_F(AgeGroupDialog, PrintoutAndCopyLines) {
    Type(Dlg()->Edit2, "2050");
    ShowResultFor("4..0");
    const QStringList projected = Lines(Dlg()->Memo1);
    const QStringList historical = Lines(Dlg()->Memo2);
    ASSERT_EQ(projected.size(), 5);

    for (const char* heading : {"", " "}) {  // no heading lines
        Overskrif->HeadingText = heading;
        DialogRecorder recorder;
        Dlg()->SpeedButton1->click();
        EXPECT_EQ(State.PrintLines.front(), " ");
    }
    Overskrif->HeadingText = "Klasse 7b";
    DialogRecorder recorder;  // the print dialog is cancelled: the lines stay prepared
    Dlg()->SpeedButton1->click();
    EXPECT_EQ(recorder.PrintDialogs, 1);
    QStringList printed;
    for (const std::string& line : State.PrintLines) printed << QString::fromStdString(line);
    EXPECT_EQ(printed, QStringList({"Klasse 7b", " ", " ", " Aldersinterval:  4..0", " ", " Fremskrevne data: ", " "}) +
                           projected + QStringList({" ", " Historiske data: ", " "}) + historical +
                           QStringList({"", "", "", " "}));

    QApplication::clipboard()->clear();
    Dlg()->SpeedButton3->click();
    const QStringList copy = QStringList({"Klasse 7b", " ", "Fremskrevne data: "}) + projected +
                             QStringList({" ", "Historiske data: "}) + historical;
    EXPECT_EQ(Form1->Memo1->toPlainText().split('\n'), copy);
    EXPECT_EQ(QApplication::clipboard()->text().replace(QChar(0x2029), '\n').split('\n'), copy);
}

// While the census view holds the shared state there is no projection to
// list: the censuses are listed, no year can be added, and the census shown
// keeps its figures.
TEST_F(AgeGroupDialog, WhileACensusIsShown) {
    for (int k = 1; k <= CensusYearCount; ++k)
        State.YearChoices[k] = k <= 2 ? State.EarlyCensuses[k - 1].Year : State.Censuses[k - 3].Year;
    State.BaseYear = 1901;
    State.TargetYear = 1901;
    double total = 0;
    GroupCensus(total);
    const ModelState before = State;

    DialogRecorder recorder;
    recorder.OnExec = [](QDialog& dialog) {
        dialog.hide();
        dialog.show();
        EXPECT_FALSE(Dlg()->Edit2->isEnabled());
        Type(Dlg()->Edit1, "0..14");
        QTest::keyClick(Dlg()->Edit1, Qt::Key_Return);
        EXPECT_TRUE(Lines(Dlg()->Memo1).isEmpty());
        EXPECT_EQ(Lines(Dlg()->Memo2).size(), 20);
        dialog.hide();
        return int(QDialog::Rejected);
    };
    Form3->ShowAgeGroups();
    EXPECT_EQ(State.BaseYear, 1901);
    EXPECT_EQ(State.TargetYear, 1901);
    EXPECT_TRUE(std::equal(std::begin(State.PopMale), std::end(State.PopMale), before.PopMale));
    EXPECT_TRUE(std::equal(std::begin(State.PopFemale), std::end(State.PopFemale), before.PopFemale));
}

// Run for real, in the dialog's own event loop, from the projection view:
// afterwards the view's next "Tabel" is that of its own target year, not of
// the last year the dialog listed.
TEST(AgeGroupsFromTheProjectionView, NextTableShowsTheRestoredYear) {
    ProgramStart();
    ProjectFrom2000To2010();
    Form3->ShowTable();
    const std::vector<std::string> table = State.TableLines;
    ASSERT_EQ(table.size(), 22u);

    QStringList shown;
    QTimer::singleShot(0, [&] {
        QTest::keyClicks(BtnBottomDlg1->Edit1, "0..4");
        QTest::keyClicks(BtnBottomDlg1->Edit2, "2090");
        QTest::keyClick(BtnBottomDlg1->Edit1, Qt::Key_Return);
        shown = TBtnBottomDlg1::MemoLines(BtnBottomDlg1->Memo1);
        BtnBottomDlg1->SpeedButton4->click();
    });
    Form3->ShowAgeGroups();
    EXPECT_FALSE(BtnBottomDlg1->isVisible());
    EXPECT_TRUE(shown.value(4).startsWith("2090  0..4"));
    EXPECT_EQ(State.TargetYear, 2010);
    Form3->ShowTable();
    EXPECT_EQ(State.TableLines, table);
    // The offscreen platform keeps a hidden window active until another one
    // asks; give the activation back to the main window as a desktop would.
    Form1->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form1));
}

// The picture in the README: both lists filled.
TEST_F(AgeGroupDialog, DISABLED_ReadmePictures) {
    Type(Dlg()->Edit2, "2030");
    Type(Dlg()->Edit2, "2050");
    ShowResultFor("65..99");
    const std::filesystem::path docs = PicturesDir();
    EXPECT_TRUE(Dlg()->grab().save(QString::fromStdString((docs / "age-groups.png").string())));
}

}  // namespace
