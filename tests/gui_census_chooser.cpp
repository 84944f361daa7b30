// The census-year chooser, driven as a user drives it: keys, pasted text,
// clicks on the list of years, OK, Fortryd and Escape.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "Unit8.h"
#include "ViewWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <limits>

namespace {

const int32_t CensusYears[CensusYearCount] = {1787, 1801, 1840, 1860, 1880, 1901, 1911, 1921, 1930,
                                              1940, 1950, 1960, 1970, 1980, 1990, 2000, 2006};

// The chooser on screen the way the census view opens it: the model fresh,
// the census years in YearChoices, the dialog shown (not modal, so the test
// can drive it).
class ChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramStart();
        State = ModelState();
        LoadAllData();
        for (int i = 0; i < CensusYearCount; ++i) State.YearChoices[i + 1] = CensusYears[i];
        Form8->Edit1->setText("1801");  // a field left over from an earlier showing
        Form8->show();
    }
    // The main window active again, as after a real dialog, so that later
    // tests find the focus where they put it.
    void TearDown() override {
        Form8->hide();
        QApplication::setActiveWindow(Form1);
    }
};

QStringList MemoLines() { return Form8->Memo1->toPlainText().split('\n'); }

// Closes and shows the chooser again, as the census view does each time.
void Reopen() {
    Form8->hide();
    Form8->show();
}

TEST_F(ChooserTest, ControlsAsDesigned) {
    EXPECT_EQ(Form8->windowTitle(), "");
    EXPECT_EQ(Form8->size(), QSize(427, 214));
    EXPECT_EQ(Form8->Bevel1->geometry(), QRect(8, 8, 409, 169));
    EXPECT_EQ(Form8->Memo1->geometry(), QRect(16, 16, 385, 129));
    EXPECT_TRUE(Form8->Memo1->isReadOnly());
    EXPECT_EQ(Form8->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Form8->Label1->text(), "Vælg årstal: ");
    EXPECT_EQ(Form8->Label1->pos(), QPoint(112, 152));
    EXPECT_EQ(Form8->Edit1->geometry(), QRect(256, 152, 57, 24));
    EXPECT_EQ(Form8->BitBtn1->text(), "&OK");
    EXPECT_EQ(Form8->BitBtn1->geometry(), QRect(16, 184, 65, 25));
    EXPECT_TRUE(Form8->BitBtn1->isDefault());
    EXPECT_EQ(Form8->BitBtn2->text(), "&Fortryd");
    EXPECT_EQ(Form8->BitBtn2->geometry(), QRect(312, 184, 89, 25));
    EXPECT_EQ(Form8->font().family(), "Courier New");
    EXPECT_EQ(Form8->font().pixelSize(), 13);
}

TEST_F(ChooserTest, ShowingListsTheYearsFiveToALineAndStartsEmpty) {
    const QStringList expected = {
        "          Basisår:  ",
        " Der er følgende årstal til rådighed:",
        " ",
        "    1787    1801    1840    1860    1880",
        "    1901    1911    1921    1930    1940",
        "    1950    1960    1970    1980    1990",
        "    2000    2006",
    };
    EXPECT_EQ(MemoLines(), expected);
    EXPECT_EQ(Form8->Edit1->text(), "");
    EXPECT_FALSE(Form8->BitBtn1->isEnabled());
    EXPECT_EQ(Form8->focusWidget(), Form8->Edit1);
    EXPECT_EQ(State.BaseYear, 0) << "emptying the field is a change";
}

TEST_F(ChooserTest, ReopeningAfterACensusEmptiesTheFieldAndClearsTheYear) {
    QTest::keyClicks(Form8->Edit1, "1950");
    ASSERT_TRUE(Form8->BitBtn1->isEnabled());
    Form8->BitBtn1->click();
    EXPECT_EQ(State.BaseYear, 1950);

    Reopen();
    EXPECT_EQ(Form8->Edit1->text(), "");
    EXPECT_FALSE(Form8->BitBtn1->isEnabled());
    EXPECT_EQ(State.BaseYear, 0);
    EXPECT_EQ(MemoLines().size(), 7) << "the list is built afresh, not added to";
}

// A year another part of the program left in BaseYear (a projection's base
// year is also a census year) must not count as chosen when the field was
// already empty.
TEST_F(ChooserTest, AnEmptyFieldClearsAYearLeftFromElsewhere) {
    Form8->hide();
    Form8->Edit1->clear();
    State.BaseYear = 2000;
    Form8->show();
    EXPECT_EQ(State.BaseYear, 0);
    EXPECT_FALSE(ChosenCensusYearValid);
}

TEST_F(ChooserTest, TypedKeys) {
    struct Row {
        const char* name;
        const char* keys;
        const char* field;
        int32_t baseYear;
        bool ok;
    };
    const Row rows[] = {
        {"census year", "1840", "1840", 1840, true},
        {"part of a year", "184", "184", 184, false},
        {"not a census year", "1841", "1841", 1841, false},
        {"last census", "2006", "2006", 2006, true},
        {"letters refused", "ab1c9d0e1", "1901", 1901, true},
        {"comma and point refused", "19,5.0", "1950", 1950, true},
        {"signs and blanks refused", "-+ 1930", "1930", 1930, true},
        {"danish letters refused", "æøå1880", "1880", 1880, true},
        {"beyond a year", "18400", "18400", 18400, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Reopen();
        Form8->Edit1->setFocus();
        QTest::keyClicks(Form8->Edit1, QString::fromUtf8(r.keys));
        EXPECT_EQ(Form8->Edit1->text(), r.field);
        EXPECT_EQ(State.BaseYear, r.baseYear);
        EXPECT_EQ(Form8->BitBtn1->isEnabled(), r.ok);
        EXPECT_EQ(Form8->focusWidget() == Form8->BitBtn1, r.ok) << "a census year moves the focus to OK";
    }
}

TEST_F(ChooserTest, BackspaceDeletesAndUpdatesTheYear) {
    QTest::keyClicks(Form8->Edit1, "18401");
    EXPECT_FALSE(Form8->BitBtn1->isEnabled());
    QTest::keyClick(Form8->Edit1, Qt::Key_Backspace);
    EXPECT_EQ(Form8->Edit1->text(), "1840");
    EXPECT_TRUE(Form8->BitBtn1->isEnabled());
    Form8->Edit1->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(Form8->Edit1, Qt::Key_Backspace);
    EXPECT_EQ(Form8->Edit1->text(), "");
    EXPECT_EQ(State.BaseYear, 0);
    EXPECT_FALSE(Form8->BitBtn1->isEnabled());
}

// Pasted or dropped text passes no key filter; whatever it holds, BaseYear
// gets a 32-bit year or 0, and only a census year enables OK.
TEST_F(ChooserTest, PastedText) {
    struct Row {
        const char* name;
        const char* text;
        int32_t baseYear;
        bool ok;
    };
    const Row rows[] = {
        {"census year", "1960", 1960, true},
        {"leading zeros", "001960", 1960, true},
        {"letters", "abc", 0, false},
        {"year with letters", "1960a", 0, false},
        {"minus sign", "-1960", 0, false},
        {"plus sign", "+1960", 0, false},
        {"blank before", " 1960", 0, false},
        {"blank after", "1960 ", 0, false},
        {"decimal point", "1960.0", 0, false},
        {"comma", "19,60", 0, false},
        {"full-width digits", "１９６０", 0, false},
        {"largest 32-bit number", "2147483647", std::numeric_limits<int32_t>::max(), false},
        {"one beyond 32 bits", "2147483648", 0, false},
        {"beyond 64 bits", "99999999999999999999999", 0, false},
        {"census year after many zeros", "0000000000000000000000002000", 2000, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Form8->Edit1->setText("1");
        QApplication::clipboard()->setText(QString::fromUtf8(r.text));
        Form8->Edit1->selectAll();
        Form8->Edit1->paste();
        EXPECT_EQ(State.BaseYear, r.baseYear) << Form8->Edit1->text().toStdString();
        EXPECT_EQ(Form8->BitBtn1->isEnabled(), r.ok);
        if (r.ok) {
            Form8->BitBtn1->click();
            EXPECT_EQ(State.BaseYear, r.baseYear);
            Reopen();
        }
    }
}

// Clicks on the list pick the year under the pointer by fixed column and
// row limits; the next row's years lie right of the fifth column.
TEST_F(ChooserTest, ClicksInTheList) {
    struct Row {
        const char* name;
        QPoint at;
        Qt::MouseButton button;
        const char* field;  // nullptr: the field is left alone
    };
    const Row rows[] = {
        {"second year", {100, 60}, Qt::LeftButton, "1801"},
        {"first year, above the years", {10, 5}, Qt::LeftButton, "1787"},
        {"eleventh year", {30, 90}, Qt::LeftButton, "1950"},
        {"sixteenth year", {30, 110}, Qt::LeftButton, "2000"},
        {"seventeenth year", {100, 110}, Qt::LeftButton, "2006"},
        {"no eighteenth year", {170, 110}, Qt::LeftButton, nullptr},
        {"right of the fifth column", {360, 60}, Qt::LeftButton, "1901"},
        {"right button too", {225, 75}, Qt::RightButton, "1921"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Reopen();
        QTest::mouseClick(Form8->Memo1->viewport(), r.button, Qt::NoModifier, r.at);
        EXPECT_EQ(Form8->Edit1->text(), r.field ? r.field : "");
        EXPECT_EQ(Form8->BitBtn1->isEnabled(), r.field != nullptr);
        EXPECT_EQ(State.BaseYear, r.field ? QString(r.field).toInt() : 0);
    }
    // Far right or far down still lands on a number, never past the list.
    Reopen();
    Form8->Memo1MouseDown(100000, 100000);
    EXPECT_EQ(Form8->Edit1->text(), "");
}

// Every drawn year, at its corners and centre, picks itself; the list is laid
// out so that the column and row limits alone agree.
TEST_F(ChooserTest, ClicksOnEveryDrawnYear) {
    const std::vector<DrawnYear> years = DrawnYears(*Form8->Memo1, CensusYearPositions());
    ASSERT_EQ(years.size(), size_t(CensusYearCount));
    for (const DrawnYear& year : years) {
        const QRect drawn(QPoint(year.Left, year.Top), QPoint(year.Right, year.Bottom));
        for (const QPoint at : {drawn.topLeft(), drawn.center(), drawn.bottomRight()}) {
            SCOPED_TRACE(testing::Message() << CensusYears[year.Entry - 1] << " at " << at.x() << ", " << at.y());
            Reopen();
            QTest::mouseClick(Form8->Memo1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            EXPECT_EQ(Form8->Edit1->text(), QString::number(CensusYears[year.Entry - 1]));
            EXPECT_EQ(CensusYearAtClick(at.x(), at.y(), {}), year.Entry) << "inside its cell";
        }
    }
}

// OK takes the year typed; Fortryd puts back the base year the chooser
// found (the field writes each change into it meanwhile).
TEST_F(ChooserTest, OkTakesTheYearFortrydPutsBackTheBaseYearBothClearTheDisplayMode) {
    State.DisplayMode = 12;
    QTest::keyClicks(Form8->Edit1, "1880");
    Form8->BitBtn1->click();
    EXPECT_TRUE(Form8->isHidden());
    EXPECT_EQ(Form8->result(), QDialog::Accepted);
    EXPECT_EQ(State.BaseYear, 1880);
    EXPECT_EQ(State.DisplayMode, 0);

    struct Row {
        const char* name;
        const char* keys;
        bool escape;
        int32_t baseYear;
    };
    const Row rows[] = {
        {"Fortryd after a census year", "1911", false, 1880},
        {"Fortryd after another number", "99999", false, 1880},
        {"Escape after a census year", "1921", true, 1880},
        {"Escape with the field empty", "", true, 1880},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Reopen();
        State.DisplayMode = 13;
        QTest::keyClicks(Form8->Edit1, r.keys);
        if (r.escape) QTest::keyClick(Form8, Qt::Key_Escape);
        else Form8->BitBtn2->click();
        EXPECT_TRUE(Form8->isHidden());
        EXPECT_EQ(Form8->result(), QDialog::Rejected);
        EXPECT_EQ(State.BaseYear, r.baseYear);
        EXPECT_EQ(State.DisplayMode, 0);
    }
}

// Modal for real: once a census year is typed, Enter confirms it.
TEST_F(ChooserTest, EnterConfirmsATypedCensusYear) {
    Form8->hide();
    QTimer::singleShot(0, Form8, [] {
        Form8->Edit1->setFocus();  // the year is typed into its field
        QTest::keyClicks(Form8->Edit1, "1970");
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : Form8, Qt::Key_Return);
    });
    QTimer::singleShot(3000, Form8, [] { Form8->done(-7); });
    EXPECT_EQ(Form8->exec(), QDialog::Accepted);
    EXPECT_EQ(State.BaseYear, 1970);
}

// Enter does nothing while OK is disabled.
TEST_F(ChooserTest, EnterIsIgnoredWithoutACensusYear) {
    QTest::keyClicks(Form8->Edit1, "1971");
    QTest::keyClick(Form8->Edit1, Qt::Key_Return);
    EXPECT_TRUE(Form8->isVisible());
    EXPECT_EQ(State.BaseYear, 1971);
}

}  // namespace

namespace {

// Keyboard only: Tab to "Fortryd" and Enter cancels, with or without a
// census year in the field; it never confirms through OK.
TEST_F(ChooserTest, EnterOnAFocusedFortrydCancels) {
    for (const char* typed : {"1970", "197"}) {
        SCOPED_TRACE(typed);
        Form8->hide();
        bool okClicked = false;
        const auto watch = QObject::connect(Form8->BitBtn1, &QPushButton::clicked, [&] { okClicked = true; });
        QTimer::singleShot(0, Form8, [typed] {
            QTest::keyClicks(Form8->Edit1, typed);
            Form8->BitBtn2->setFocus(Qt::TabFocusReason);
            QTest::keyClick(Form8->BitBtn2, Qt::Key_Return);
        });
        QTimer::singleShot(3000, Form8, [] { Form8->done(-7); });
        EXPECT_EQ(Form8->exec(), QDialog::Rejected);
        EXPECT_FALSE(okClicked);
        QObject::disconnect(watch);
    }
}

}  // namespace
