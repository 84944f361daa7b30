// The projection input dialog, driven through its fields and buttons: the
// key filters, the checks at OK with their messages, pasted text that the
// filters never saw, closing and reopening.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "Inddatp.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

class InputDialogTest : public ::testing::Test {
protected:
    TBtnBottomDlg* d = nullptr;

    void SetUp() override {
        ProgramStart();
        State = ModelState();
        LoadAllData();
        ListBaseYears();
        State.BaseYear = 2000;
        d = BtnBottomDlg;
        d->hide();
        for (QLineEdit* e : {d->Edit1, d->Edit3, d->Edit4}) e->clear();
        d->InputError = 0;
    }
    void TearDown() override {
        if (d->isVisible()) d->CancelBtn->click();
    }

    static void Type(QLineEdit* edit, const QString& keys) {
        edit->clear();
        QTest::keyClicks(edit, keys);
    }
    // The way text reaches a field past its key filter.
    static void Paste(QLineEdit* edit, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        edit->clear();
        QTest::keySequence(edit, QKeySequence::Paste);
        ASSERT_EQ(edit->text(), text) << "the paste did not arrive";
    }
    void Fill(const QString& children, const QString& year, const QString& age, bool paste = false) {
        for (auto [edit, text] : {std::pair{d->Edit1, children}, {d->Edit3, year}, {d->Edit4, age}}) {
            if (paste) Paste(edit, text);
            else Type(edit, text);
        }
    }
};

struct CheckRow {
    const char* name;
    const char* children;
    const char* year;
    const char* age;
    bool paste;
    const char* message;  // "" when accepted
};

class InputChecks : public InputDialogTest, public ::testing::WithParamInterface<CheckRow> {};

TEST_P(InputChecks, OkAcceptsOrNamesTheFirstBadInput) {
    const CheckRow& row = GetParam();
    DialogRecorder recorder;
    d->show();
    Fill(row.children, row.year, row.age, row.paste);
    d->OKBtn->click();
    if (*row.message == 0) {
        EXPECT_TRUE(recorder.Messages.empty()) << recorder.Messages[0].Text;
        EXPECT_TRUE(State.InputsAccepted);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->result(), QDialog::Accepted);
    } else {
        ASSERT_EQ(recorder.Messages.size(), 1u);
        EXPECT_EQ(recorder.Messages[0].Text, row.message);
        EXPECT_EQ(recorder.Messages[0].Caption, "Ups");
        EXPECT_TRUE(d->isVisible()) << "an error keeps the dialog open";
        EXPECT_FALSE(State.InputsAccepted);
    }
}

// More digits than a double can hold.
const std::string HugeNumber = "1" + std::string(400, '0');

const CheckRow CheckRows[] = {
    {"SixChildren", "6", "2030", "67", false, ""},
    {"ChildrenJustOverSix", "6.01", "2030", "67", false, "Antal børn højst 6"},
    {"NoChildren", "0", "2030", "67", false, "Antal børn højst 6"},
    {"OnlyAPoint", ".", "2030", "67", false, "Antal børn højst 6"},
    {"BaseYearItself", "2", "2000", "67", false, ""},
    {"Year2100", "2", "2100", "67", false, ""},
    {"YearBeforeBase", "2", "1999", "67", false, "Årstal>=2000"},
    {"YearAfter2100", "2", "2101", "67", false, "Årstal<=2100"},
    {"Retire50", "2", "2030", "50", false, ""},
    {"Retire99", "2", "2030", "99", false, ""},
    {"Retire49", "2", "2030", "49", false, "Pensionsalder mellem 50 og 99"},
    {"Retire100", "2", "2030", "100", false, "Pensionsalder mellem 50 og 99"},
    {"ChildrenAndYearBad", "7", "1999", "67", false, "Antal børn højst 6"},
    // Pasted: nothing of this may pass, each gets its field's message.
    {"PastedLetters", "abc", "2030", "67", true, "Antal børn højst 6"},
    {"PastedNegative", "-1", "2030", "67", true, "Antal børn højst 6"},
    {"PastedSign", "+2", "2030", "67", true, "Antal børn højst 6"},
    {"PastedTwoPoints", "1.2.3", "2030", "67", true, "Antal børn højst 6"},
    {"PastedExponent", "1e0", "2030", "67", true, "Antal børn højst 6"},
    {"PastedLeadingBlank", " 2", "2030", "67", true, "Antal børn højst 6"},
    {"PastedCommaDecimal", "1,8", "2030", "67", true, "Antal børn højst 6"},
    {"PastedHugeChildren", HugeNumber.c_str(), "2030", "67", true, "Antal børn højst 6"},
    {"PastedYearWithLetter", "2", "20a0", "67", true, "Årstal>=2000"},
    {"PastedYearWithTail", "2", "2050x", "67", true, "Årstal<=2100"},
    {"PastedYearNegative", "2", "-2050", "67", true, "Årstal>=2000"},
    {"PastedYearDecimal", "2", "2050.0", "67", true, "Årstal<=2100"},
    {"PastedYearPast32Bits", "2", "4294969346", "67", true, "Årstal<=2100"},  // 2^32 + 2050
    {"PastedAgePast32Bits", "2", "2030", "4294967363", true, "Pensionsalder mellem 50 og 99"},  // 2^32 + 67
    {"PastedAgeWithLetter", "2", "2030", "6a7", true, "Pensionsalder mellem 50 og 99"},
    {"PastedAgeSigned", "2", "2030", "+67", true, "Pensionsalder mellem 50 og 99"},
    {"PastedAgeDecimal", "2", "2030", "67.0", true, "Pensionsalder mellem 50 og 99"},
};

INSTANTIATE_TEST_SUITE_P(Rows, InputChecks, ::testing::ValuesIn(CheckRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputDialogTest, ValuesAreWrittenThroughInOrderUntilTheFirstBadOne) {
    DialogRecorder recorder;
    d->show();
    State.TargetYear = 1234;
    State.RetirementAge = 12;
    Fill("7", "2050", "60");
    EXPECT_EQ(State.ChildrenPerFamily, 7.0) << "the bad value itself is stored";
    EXPECT_EQ(State.TargetYear, 1234) << "nothing after the first bad input";
    EXPECT_EQ(State.RetirementAge, 12);
    EXPECT_EQ(d->InputError, 1);

    Type(d->Edit1, "1,8");
    EXPECT_EQ(d->Edit1->text(), "1.8") << "a typed comma becomes the point";
    EXPECT_EQ(State.ChildrenPerFamily, 1.8);
    EXPECT_EQ(State.TargetYear, 2050);
    EXPECT_EQ(State.RetirementAge, 60);
    EXPECT_EQ(d->InputError, 0);
}

TEST_F(InputDialogTest, KeyFiltersDropWhatDoesNotBelong) {
    d->show();
    Type(d->Edit1, "x1,5-y.");
    EXPECT_EQ(d->Edit1->text(), "1.5.") << "digits, points and commas only";
    Type(d->Edit3, "2a0.3 0");
    EXPECT_EQ(d->Edit3->text(), "2030");
    Type(d->Edit4, "6,7e");
    EXPECT_EQ(d->Edit4->text(), "67");
    QTest::keyClick(d->Edit4, Qt::Key_Backspace);
    EXPECT_EQ(d->Edit4->text(), "6");

    // Delete as a real keyboard sends it: with the text "\x7f". It edits.
    Type(d->Edit3, "2030");
    d->Edit3->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
    QCoreApplication::sendEvent(d->Edit3, &del);
    EXPECT_EQ(d->Edit3->text(), "030");
}

TEST_F(InputDialogTest, EnterMovesOnWhileOkIsDisabledAndPressesOkOnceEnabled) {
    DialogRecorder recorder;
    d->show();
    EXPECT_FALSE(d->OKBtn->isEnabled()) << "no input yet";
    Type(d->Edit1, "2");
    d->Edit3->setText("2030");
    d->Edit3->deselect();
    QTest::keyClick(d->Edit1, Qt::Key_Return);
    EXPECT_EQ(d->focusWidget(), d->Edit3);
    EXPECT_EQ(d->Edit3->selectedText(), "2030") << "the next field's text is selected";
    EXPECT_EQ(d->Edit1->text(), "2");
    QTest::keyClick(d->Edit3, Qt::Key_Return);
    EXPECT_EQ(d->focusWidget(), d->Edit4);
    EXPECT_TRUE(d->isVisible());

    Type(d->Edit4, "70");
    ASSERT_TRUE(d->OKBtn->isEnabled()) << "all three filled, valid or not";
    QTest::keyClick(d->Edit1, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible()) << "Enter pressed the default button";
    EXPECT_TRUE(State.InputsAccepted);
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(InputDialogTest, AfterAnErrorOkNeverClosesEvenWhenAnEarlierInputWasAccepted) {
    DialogRecorder recorder;
    d->show();
    Fill("2", "2030", "67");
    d->OKBtn->click();
    ASSERT_TRUE(State.InputsAccepted);
    ASSERT_FALSE(d->isVisible());

    d->show();
    EXPECT_EQ(d->focusWidget(), d->OKBtn) << "after an accepted input the focus is on OK";
    EXPECT_TRUE(d->OKBtn->isEnabled());
    EXPECT_EQ(d->Edit3->text(), "2030") << "the previous inputs are offered again";
    Type(d->Edit4, "49");
    d->OKBtn->click();
    ASSERT_EQ(recorder.Messages.size(), 1u);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(State.InputsAccepted) << "still set from before";
    d->close();
    EXPECT_TRUE(d->isVisible()) << "no close while the error stands";
}

TEST_F(InputDialogTest, FortrydKeepsTheValuesAndResetsOnlyTheFlags) {
    DialogRecorder recorder;
    State.InputsAccepted = true;
    State.DisplayMode = 2;
    d->show();
    Fill("2.5", "1999", "67");
    d->OKBtn->click();
    ASSERT_EQ(d->InputError, 2);
    QTest::keyClick(d->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible()) << "Escape is Fortryd";
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(State.InputsAccepted);
    EXPECT_EQ(State.DisplayMode, 0);
    EXPECT_EQ(d->InputError, 0);
    EXPECT_EQ(State.ChildrenPerFamily, 2.5);
    EXPECT_EQ(State.TargetYear, 1999);

    d->show();
    EXPECT_FALSE(d->OKBtn->isEnabled()) << "after Fortryd OK waits for an edit";
    EXPECT_EQ(d->focusWidget(), d->Edit1);
    Type(d->Edit3, "2040");
    EXPECT_TRUE(d->OKBtn->isEnabled());
}

TEST_F(InputDialogTest, OkSetsTheProjectionUpOnlyFromAnEmptyView) {
    DialogRecorder recorder;
    State.DisplayMode = 0;
    d->show();
    Fill("1.8", "2030", "67");
    d->OKBtn->click();
    EXPECT_EQ(State.YearsToProject, 30) << "SetUpProjection ran";
    EXPECT_EQ(State.PopMale[5], State.BaseDataSets[2].PopulationMale[5]);

    State.DisplayMode = 1;
    State.YearsToProject = -1;
    d->show();
    d->OKBtn->click();
    EXPECT_EQ(State.YearsToProject, -1) << "left to the caller";
}

TEST_F(InputDialogTest, YearLabelNamesTheBaseYear) {
    State.BaseYear = 1990;
    d->show();
    EXPECT_EQ(d->Label3->text(), "Årstal (1990 .. 2100): ");
    EXPECT_EQ(d->windowTitle(), "Inddata til Prognose");
    EXPECT_EQ(d->size(), QSize(339, 142));
    EXPECT_EQ(d->Edit4->geometry(), QRect(264, 64, 49, 24));
}

}  // namespace
