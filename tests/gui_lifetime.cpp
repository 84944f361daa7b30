// The lifetime view as a user drives it: typing ages and sexes, OK, the
// table in the grid with its result lines and TableLines, the refusal of bad
// ages, and the print dispatch while other views cover it.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "InputRules.h"
#include "Lifetime.h"
#include "NumberText.h"
#include "Unit2.h"
#include "ViewWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <string>
#include <vector>

namespace {


void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit, text);
}

// Types the ages and sexes (an empty text leaves the field alone), leaving each
// field with Enter, then clicks OK. Two persons when ageB/sexB are given.
void Enter(const QString& ageA, const QString& sexA, const QString& ageB = {}, const QString& sexB = {},
           bool two = false) {
    if (two) Form1->Topersoner1Click();
    else Form1->enPersonClick();
    if (!ageA.isEmpty()) Type(Form2->Edit1, ageA);
    if (!sexA.isEmpty()) Type(Form2->Edit2, sexA);
    if (two) {
        if (!ageB.isEmpty()) Type(Form2->Edit3, ageB);
        if (!sexB.isEmpty()) Type(Form2->Edit4, sexB);
    }
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
}

// The data items of column c (non-blank cells below the fixed rows).
int Items(int32_t col) {
    int n = 0;
    for (int32_t r = Form2->StringGrid1->FixedRows(); r < Form2->StringGrid1->RowCount(); ++r)
        n += !Form2->StringGrid1->Cells(col, r).trimmed().isEmpty();
    return n;
}

std::vector<int> ItemsPerColumn() {
    std::vector<int> out;
    for (int32_t c = 0; c < Form2->StringGrid1->ColCount(); ++c) out.push_back(Items(c));
    return out;
}

bool ResultControlsEnabled() {
    return Form1->Graf1->isEnabled() && Form1->Tabel1->isEnabled() && Form1->Udskriv1->isEnabled() &&
           Form2->SpeedButton1->isEnabled() && Form2->SpeedButton2->isEnabled() && Form2->SpeedButton3->isEnabled();
}

bool ResultControlsDisabled() {
    return !Form1->Graf1->isEnabled() && !Form1->Tabel1->isEnabled() && !Form1->Udskriv1->isEnabled() &&
           !Form2->SpeedButton1->isEnabled() && !Form2->SpeedButton2->isEnabled() &&
           !Form2->SpeedButton3->isEnabled();
}

TEST(LifetimeView, InputStripAsDesigned) {
    StartFresh();
    struct Row {
        const char* name;
        QRect geometry;
    };
    const Row rows[] = {
        {"Edit1", {204, 4, 33, 26}},         {"Edit2", {400, 4, 29, 26}},
        {"Edit3", {204, 40, 33, 26}},        {"Edit4", {400, 40, 29, 26}},
        {"Button1", {448, 40, 45, 25}},      {"Bevel1", {504, 28, 77, 41}},
        {"SpeedButton3", {508, 32, 33, 33}}, {"SpeedButton2", {544, 32, 33, 33}},
        {"Bevel2", {592, 28, 113, 41}},      {"SpeedButton1", {596, 32, 33, 33}},
        {"SpeedButton4", {632, 32, 33, 33}}, {"SpeedButton5", {668, 32, 33, 33}},
    };
    for (const Row& row : rows) {
        auto* w = Form2->Panel1->findChild<QWidget*>(row.name);
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(w->geometry(), row.geometry) << row.name;
    }
    EXPECT_EQ(Form2->SpeedButton3->toolTip(), "Tabel");
    EXPECT_EQ(Form2->SpeedButton2->toolTip(), "Graf");
    EXPECT_EQ(Form2->SpeedButton1->toolTip(), "Udskriv");
    EXPECT_EQ(Form2->SpeedButton4->toolTip(), "Navn eller overskrift til udskrifter");
    EXPECT_EQ(Form2->SpeedButton5->toolTip(), "Kopier til Klippebordet");
    EXPECT_EQ(Form2->Label2->text(), "og køn (m/k): ");
    EXPECT_EQ(Form2->Label3->pos(), QPoint(16, 44));
    EXPECT_EQ(Form2->objectName(), "Form2");
    EXPECT_EQ(Form2->StringGrid1->objectName(), "StringGrid1");
    EXPECT_EQ(Form2->PaintBox1->objectName(), "PaintBox1");
}

TEST(LifetimeView, StartingAModeShowsItsFields) {
    StartFresh();
    Form1->enPersonClick();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Label1->text(), "Personens alder: ");
    EXPECT_TRUE(Form2->Edit3->isHidden());
    EXPECT_TRUE(Form2->Label4->isHidden());
    EXPECT_EQ(Lifetime.PersonCount, 1);
    EXPECT_TRUE(Form2->Edit1->hasFocus());

    Form1->Topersoner1Click();
    EXPECT_EQ(Form2->Label1->text(), "1. persons alder: ");
    EXPECT_FALSE(Form2->Edit3->isHidden());
    EXPECT_TRUE(Form2->Edit4->isEnabled());
    EXPECT_EQ(Lifetime.PersonCount, 2);
    EXPECT_TRUE(ResultControlsDisabled());
}

TEST(LifetimeView, KeyFiltersAndEnterMovesOn) {
    StartFresh();
    Form1->Topersoner1Click();
    Type(Form2->Edit1, "4a-5.");
    EXPECT_EQ(Form2->Edit1->text(), "45");
    QTest::keyClick(Form2->Edit1, Qt::Key_Backspace);
    EXPECT_EQ(Form2->Edit1->text(), "4");
    // Delete as a real keyboard sends it, with the text "\x7f", edits too.
    Type(Form2->Edit1, "7");
    Form2->Edit1->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
    QCoreApplication::sendEvent(Form2->Edit1, &del);
    EXPECT_EQ(Form2->Edit1->text(), "7");
    Form2->Edit1->setText("4");
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_TRUE(Form2->Edit2->hasFocus());
    EXPECT_EQ(Lifetime.AgeA, 4) << "leaving the field stores the age";

    QTest::keyClicks(Form2->Edit2, "xKq");
    QTest::keyClick(Form2->Edit2, Qt::Key_Backspace);
    EXPECT_EQ(Form2->Edit2->text(), "K") << "backspace is not a sex key";
    QTest::keyClick(Form2->Edit2, Qt::Key_Return);
    EXPECT_TRUE(Form2->Edit3->hasFocus());
    QTest::keyClick(Form2->Edit3, Qt::Key_Return);
    EXPECT_TRUE(Form2->Edit4->hasFocus());
    QTest::keyClick(Form2->Edit4, Qt::Key_Return);
    EXPECT_TRUE(Form2->Button1->hasFocus());

    Form1->enPersonClick();
    Type(Form2->Edit2, "m");
    QTest::keyClick(Form2->Edit2, Qt::Key_Return);
    EXPECT_TRUE(Form2->Button1->hasFocus()) << "one person: Enter in the sex field goes to OK";
}

struct OnePersonRow {
    const char* name;
    int age;
    int columns;
    int rows;
    std::vector<int> items;
};

TEST(LifetimeView, OnePersonTableShapes) {
    const OnePersonRow rows[] = {
        {"aged 45", 45, 5, 14, {12, 12, 12, 12, 7}},
        {"aged 90", 90, 4, 5, {3, 3, 3, 1}},
        {"aged 91", 91, 1, 12, {9}},
        {"aged 99", 99, 1, 4, {1}},
        {"aged 0", 0, 5, 23, {21, 21, 21, 21, 16}},
    };
    for (const OnePersonRow& row : rows) {
        StartFresh();
        Enter(QString::number(row.age), "m");
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Form2->StringGrid1->ColCount(), row.columns);
        EXPECT_EQ(Form2->StringGrid1->RowCount(), row.rows);
        EXPECT_EQ(ItemsPerColumn(), row.items);
        EXPECT_FALSE(Form2->StringGrid1->isHidden());
        EXPECT_TRUE(ResultControlsEnabled());
        EXPECT_TRUE(State.LifetimeViewActive);
    }
}

TEST(LifetimeView, OneManAged45) {
    StartFresh();
    Enter("45", "m");
    TStringGrid* grid = Form2->StringGrid1;
    EXPECT_EQ(grid->Cells(0, 0), " År Chance ");
    EXPECT_EQ(grid->Cells(0, 1), " 46" + QString::fromStdString(FormatFixed(Lifetime.ChanceA[46], 6, 1)) + "% ");
    EXPECT_EQ(grid->Cells(0, 1), " 46  99.7% ");
    // 80 is item 34: column 2, row 11.
    EXPECT_EQ(grid->Cells(2, 11), "*80  48.1% ");
    int marks = 0;
    for (int32_t c = 0; c < grid->ColCount(); ++c)
        for (int32_t r = 1; r < grid->RowCount(); ++r) marks += grid->Cells(c, r).startsWith('*');
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(grid->Cells(4, 7), "100" + QString::fromStdString(FormatFixed(Lifetime.ChanceA[100], 6, 1)) + "% ");
    EXPECT_EQ(grid->ColWidth(0), QFontMetrics(grid->font()).horizontalAdvance(" År Chance "));

    EXPECT_EQ(Form2->Label5->text(), "Mand  :   45 år.    Medianlevetid: 80 år.");
    EXPECT_FALSE(Form2->Panel4->isHidden());
    EXPECT_EQ(Form2->Panel4->height(), 30);

    const std::vector<std::string>& lines = State.TableLines;
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], " Levetidstabel");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], " År Chance  År Chance  År Chance  År Chance  År Chance ");
    EXPECT_EQ(lines[3], " 46  99.7%  58" + FormatFixed(Lifetime.ChanceA[58], 6, 1) + "%  70" +
                            FormatFixed(Lifetime.ChanceA[70], 6, 1) + "%  82" +
                            FormatFixed(Lifetime.ChanceA[82], 6, 1) + "%  94" +
                            FormatFixed(Lifetime.ChanceA[94], 6, 1) + "% ");
    // 14 grid rows with a blank line after rows 4, 9: 2 + 14 + 2, then the result.
    ASSERT_EQ(lines.size(), 2u + 14u + 2u + 2u);
    EXPECT_EQ(lines[7], " ");
    EXPECT_EQ(lines[13], " ");
    EXPECT_EQ(lines[lines.size() - 2], " ");
    EXPECT_EQ(lines.back(), "Mand  :   45 år.    Medianlevetid: 80 år.");
}

TEST(LifetimeView, WomanUsesTheFemaleColumnAndMedian) {
    StartFresh();
    Enter("0", "K");
    EXPECT_EQ(Lifetime.SexCode, 'k');
    EXPECT_EQ(Form2->Label5->text(), "Kvinde:    0 år.    Medianlevetid: 84 år.");
    EXPECT_TRUE(Form2->StringGrid1->Cells(3, 1 + 84 - 64).startsWith("*84"));
}

TEST(LifetimeView, AgedNinetyNineHasOneUnmarkedRow) {
    StartFresh();
    Enter("99", "m");
    EXPECT_EQ(Form2->StringGrid1->Cells(0, 1), "100  27.1% ");
}

struct TwoPersonRow {
    const char* name;
    const char* ageA;
    const char* ageB;
    int columns;
    int rows;
    std::vector<int> items;
};

TEST(LifetimeView, TwoPersonTableShapes) {
    const TwoPersonRow rows[] = {
        {"45 and 45", "45", "45", 3, 22, {20, 20, 15}},
        {"youngest 86", "90", "86", 1, 17, {14}},
        {"30 and 70", "30", "70", 3, 27, {25, 25, 20}},
    };
    for (const TwoPersonRow& row : rows) {
        StartFresh();
        Enter(row.ageA, "m", row.ageB, "k", true);
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Form2->StringGrid1->FixedRows(), 2);
        EXPECT_EQ(Form2->StringGrid1->ColCount(), row.columns);
        EXPECT_EQ(Form2->StringGrid1->RowCount(), row.rows);
        EXPECT_EQ(ItemsPerColumn(), row.items);
    }
}

TEST(LifetimeView, TwoPersonsAged45) {
    StartFresh();
    Enter("45", "m", "45", "k", true);
    TStringGrid* grid = Form2->StringGrid1;
    EXPECT_EQ(grid->Cells(0, 0), "  Alder      Chance  ");
    EXPECT_EQ(grid->Cells(2, 1), "  A   B     A      B ");
    EXPECT_EQ(grid->Cells(0, 2), " 46  46   99.7%" + QString::fromStdString(FormatFixed(Lifetime.ChanceB[46], 6, 1)) +
                                     "% ");
    EXPECT_EQ(Form2->Label5->text(), "A: Mand  :   45 år.    Medianlevetid: 80 år.");
    EXPECT_EQ(Form2->Label6->text(), "B: Kvinde:   45 år.    Medianlevetid: 84 år.");
    EXPECT_EQ(Form2->Label7->text(), "Chance for at A overlever B :  40.1 %");
    EXPECT_EQ(Form2->Panel4->height(), 65);

    // Column blocks of 24 characters: 21 + 3 in the header rows, 23 + 1 below.
    const std::vector<std::string>& lines = State.TableLines;
    EXPECT_EQ(lines[2], "  Alder      Chance     " "  Alder      Chance     " "  Alder      Chance  ");
    EXPECT_EQ(QString::fromStdString(lines[4]).size(), 24 * 2 + 23);
    EXPECT_EQ(lines[7], " ");
    EXPECT_EQ(lines.back(), "Chance for at A overlever B :  40.1 %");
}

TEST(LifetimeView, OlderPersonsColumnsRunBlank) {
    StartFresh();
    Enter("30", "k", "70", "m", true);
    TStringGrid* grid = Form2->StringGrid1;
    // Item n = 30 (A 60, B 100) and n = 31 (B past 100): rows + 1 = 25 items a column.
    const QString at100 = grid->Cells(1, 29 - 25 + 2);
    EXPECT_TRUE(at100.startsWith(" 60 100")) << at100.toStdString();
    const QString past = grid->Cells(1, 30 - 25 + 2);
    EXPECT_TRUE(past.startsWith(" 61    ")) << past.toStdString();
    EXPECT_TRUE(past.endsWith("%       ")) << past.toStdString();
}

TEST(LifetimeView, AnAgeOfHundredIsRefusedOnLeaving) {
    StartFresh();
    DialogRecorder dialogs;
    Form1->enPersonClick();
    Type(Form2->Edit1, "100");
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Alderen kan højst være 99 år. ");
    EXPECT_EQ(dialogs.Messages[0].Caption, "Fejl");
    EXPECT_TRUE(Form2->Edit1->text().isEmpty());
    EXPECT_TRUE(Form2->Edit1->hasFocus());

    Type(Form2->Edit2, "m");
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_TRUE(ResultControlsDisabled()) << "OK does nothing until a valid age";
    EXPECT_TRUE(State.TableLines.empty());

    Type(Form2->Edit1, "99");
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_TRUE(ResultControlsEnabled());
}

// Pasted text passes the key filter; it must be refused, never turned into a
// plausible age.
TEST(LifetimeView, PastedAgesAreRefusedOrTakenExactly) {
    struct Row {
        const char* name;
        QString text;
        int age;  // -1: refused
    };
    const Row rows[] = {
        {"letters", "abc", -1},
        {"digits then letters", "45abc", -1},
        {"minus sign", "-5", -1},
        {"plus sign", "+7", -1},
        {"blank inside", "4 5", -1},
        {"decimal", "4.5", -1},
        {"beyond 32 bits", "99999999999", -1},
        {"wraps to 45 in 32 bits", "4294967341", -1},
        {"full-width digits", QString::fromUtf8("４５"), -1},
        {"hundred", "100", -1},
        {"leading zeros", "007", 7},
        {"blanks around", " 45 ", 45},
        {"largest", "99", 99},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadLifetimeAge(row.text.toStdString()), row.age);

        StartFresh();
        DialogRecorder dialogs;
        Form1->enPersonClick();
        Lifetime.AgeA = 30;
        Form2->Edit1->setFocus(Qt::MouseFocusReason);
        Form2->Edit1->setText(row.text);  // as a paste leaves it
        Type(Form2->Edit2, "m");
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        if (row.age < 0) {
            ASSERT_EQ(dialogs.Messages.size(), 1u);
            EXPECT_EQ(dialogs.Messages[0].Caption, "Fejl");
            EXPECT_TRUE(Form2->Edit1->text().isEmpty());
            EXPECT_FALSE(Form2->InputsValid());
            EXPECT_TRUE(ResultControlsDisabled());
        } else {
            EXPECT_TRUE(dialogs.Messages.empty());
            EXPECT_EQ(Lifetime.AgeA, row.age);
            EXPECT_TRUE(ResultControlsEnabled());
        }
    }
}

TEST(LifetimeView, EmptyAgeUsesTheAgeStoredLast) {
    StartFresh();
    Enter("", "m");
    EXPECT_EQ(Lifetime.AgeA, 0) << "0 right after start";
    EXPECT_EQ(Form2->StringGrid1->RowCount(), 23);

    Enter("45", "m");
    Enter("", "k");  // the stored 45 survives the switch and the empty field
    EXPECT_EQ(Lifetime.AgeA, 45);
    EXPECT_EQ(Form2->Label5->text(), "Kvinde:   45 år.    Medianlevetid: 84 år.");
}

TEST(LifetimeView, TwoPersonsNeedBsSex) {
    StartFresh();
    Enter("45", "m", "45", "", true);
    EXPECT_TRUE(ResultControlsDisabled());
    EXPECT_TRUE(State.TableLines.empty());
}

TEST(LifetimeView, AnyChangeDisablesTheResultControls) {
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
        StartFresh();
        Enter("45", "m", "50", "k", true);
        ASSERT_TRUE(ResultControlsEnabled());
        auto* edit = Form2->findChild<QLineEdit*>(name);
        edit->setText("1");
        EXPECT_TRUE(ResultControlsDisabled()) << name;
    }
}

TEST(LifetimeView, SwitchingModesEmptiesFieldsAndGridButKeepsAges) {
    StartFresh();
    Enter("45", "m", "60", "k", true);
    Form1->enPersonClick();
    EXPECT_TRUE(Form2->Edit1->text().isEmpty());
    EXPECT_TRUE(Form2->Edit3->text().isEmpty());
    EXPECT_TRUE(Form2->Label7->text().isEmpty());
    EXPECT_TRUE(State.TableLines.empty());
    for (int32_t c = 0; c < Form2->StringGrid1->ColCount(); ++c)
        for (int32_t r = 0; r < Form2->StringGrid1->RowCount(); ++r)
            EXPECT_TRUE(Form2->StringGrid1->Cells(c, r).isEmpty());
    EXPECT_EQ(Lifetime.AgeA, 45);
    EXPECT_EQ(Lifetime.AgeB, 60);
}

TEST(LifetimeView, GraphAndTableMenuItemsSwitchPresentation) {
    StartFresh();
    Enter("45", "m");
    Form1->Graf1->trigger();
    EXPECT_TRUE(Form2->StringGrid1->isHidden());
    EXPECT_TRUE(State.LifetimeGraphShown);
    EXPECT_EQ(Form2->Panel4->height(), 45);
    EXPECT_EQ(Form2->Label5->text(), "Mand  :   45 år.    Medianlevetid: 80 år.");

    // A new valid OK keeps the graph as the presentation.
    DialogRecorder dialogs;
    Form2->Edit1->clear();
    Type(Form2->Edit1, "50");
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_TRUE(Form2->StringGrid1->isHidden());
    EXPECT_TRUE(Form2->Label5->text().startsWith("Mand  :   50 år.    Medianlevetid: "));

    Form1->Tabel1->trigger();
    EXPECT_FALSE(Form2->StringGrid1->isHidden());
    EXPECT_FALSE(State.LifetimeGraphShown);
    EXPECT_EQ(Form2->StringGrid1->Cells(0, 1).left(3), " 51");
    EXPECT_TRUE(dialogs.Messages.empty());
}

// Udskriv prints the lifetime view only while it is the view in front; a
// result shown earlier does not make a covered or hidden lifetime view print.
TEST(LifetimeView, PrintDispatchOnlyForTheViewInFront) {
    StartFresh();
    DialogRecorder dialogs;
    Enter("45", "m");
    ASSERT_TRUE(State.LifetimeViewActive);
    EXPECT_TRUE(Form2->IsFrontView());
    Form1->Udskriv1Click();
    EXPECT_EQ(dialogs.PrintDialogs, 1) << "in front: the lifetime table is printed";

    ViewWindow other;  // another view shown over it
    other.ShowView();
    EXPECT_FALSE(Form2->IsFrontView());
    Form1->Udskriv1Click();
    EXPECT_EQ(dialogs.PrintDialogs, 1);

    other.hide();
    EXPECT_TRUE(Form2->IsFrontView());
    Form1->Graf1Click();
    Form1->Udskriv1Click();
    EXPECT_EQ(dialogs.PrintDialogs, 2) << "the graph in front is printed";

    Form2->hide();  // as the projection menu's Inddata leaves it
    EXPECT_FALSE(Form2->IsFrontView());
    Form1->Udskriv1Click();
    EXPECT_EQ(dialogs.PrintDialogs, 2) << "a hidden lifetime view is not printed";
    EXPECT_TRUE(State.LifetimeViewActive);
}

}  // namespace
