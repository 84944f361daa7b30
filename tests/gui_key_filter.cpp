// Every filtered field of every window takes its keys the same way: Alt and
// Meta never type, Ctrl's shortcuts act, and access letters reach their
// buttons.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "Inddatp.h"
#include "Unit2.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace {

struct Field {
    const char* name;
    std::function<QLineEdit*()> open;  // shows the field's window, returns the field
    QString first, second;              // two characters the field keeps
};

void PrintTo(const Field& field, std::ostream* os) { *os << field.name; }

QLineEdit* Shown(QWidget* window, QLineEdit* edit) {
    window->show();
    QApplication::setActiveWindow(window);
    edit->clear();
    edit->setFocus();
    return edit;
}

const Field Fields[] = {
    {"children", [] { return Shown(BtnBottomDlg, BtnBottomDlg->Edit1); }, "1", "5"},
    {"year", [] { return Shown(BtnBottomDlg, BtnBottomDlg->Edit3); }, "2", "0"},
    {"retirement age", [] { return Shown(BtnBottomDlg, BtnBottomDlg->Edit4); }, "6", "7"},
    {"age A", [] { Form1->Topersoner1Click(); return Shown(Form2, Form2->Edit1); }, "4", "5"},
    {"sex A", [] { Form1->Topersoner1Click(); return Shown(Form2, Form2->Edit2); }, "m", "k"},
    {"age B", [] { Form1->Topersoner1Click(); return Shown(Form2, Form2->Edit3); }, "4", "5"},
    {"sex B", [] { Form1->Topersoner1Click(); return Shown(Form2, Form2->Edit4); }, "K", "M"},
    {"census year", [] { return Shown(Form8, Form8->Edit1); }, "1", "8"},
    {"base year", [] { return Shown(Form7, Form7->Edit1); }, "1", "9"},
    {"interval", [] { return Shown(BtnBottomDlg1, BtnBottomDlg1->Edit1); }, "2", "."},
    {"added year", [] { return Shown(BtnBottomDlg1, BtnBottomDlg1->Edit2); }, "2", "0"},
};

class KeyFilterFields : public ::testing::TestWithParam<Field> {
protected:
    void SetUp() override {
        StartFresh();
        ListBaseYears();
        State.BaseYear = 2000;
        State.TargetYear = 2010;
        for (int i = 1; i <= BaseDataSetCount; ++i) State.YearChoices[i] = State.BaseDataSets[i - 1].Year;
    }
    void TearDown() override {
        for (QWidget* w : std::initializer_list<QWidget*>{BtnBottomDlg, Form8, Form7, BtnBottomDlg1}) w->hide();
        QApplication::setActiveWindow(Form1);
    }
    DialogRecorder dialogs;
};

TEST_P(KeyFilterFields, AltAndMetaNeverType) {
    QLineEdit* edit = GetParam().open();
    QTest::keyClicks(edit, GetParam().first);
    QTest::keyClick(edit, Qt::Key_H, Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_P, Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_Z, Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_5, Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_K, Qt::MetaModifier);
    QTest::keyClick(edit, Qt::Key_M, Qt::AltModifier | Qt::ControlModifier);
    QTest::keyClicks(edit, GetParam().second);
    EXPECT_EQ(edit->text(), GetParam().first + GetParam().second);
}

TEST_P(KeyFilterFields, CtrlShortcutsActAlike) {
    QLineEdit* edit = GetParam().open();
    QTest::keyClicks(edit, GetParam().first);
    const QString text = edit->text();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), text) << "Ctrl+A";
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text) << "Ctrl+C";
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), text + text) << "Ctrl+V";
    // The same keys as a real keyboard sends them, with control characters.
    edit->setText(text);
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
    QCoreApplication::sendEvent(edit, &selectAll);
    EXPECT_EQ(edit->selectedText(), text);
    QGuiApplication::clipboard()->setText(GetParam().second);
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
    QCoreApplication::sendEvent(edit, &paste);
    EXPECT_EQ(edit->text(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Fields, KeyFilterFields, ::testing::ValuesIn(Fields), [](const auto& info) {
    std::string name = info.param.name;
    std::erase(name, ' ');
    return name;
});

// The examples a pupil met: Alt+H and Alt+P typed nothing into "Børnetal",
// and an access letter still presses its button from inside a field.
TEST(KeyFilter, AccessLettersReachTheirButtons) {
    StartFresh();
    ListBaseYears();
    State.BaseYear = 2000;
    DialogRecorder dialogs;
    TBtnBottomDlg* d = BtnBottomDlg;
    QLineEdit* children = Shown(d, d->Edit1);
    QTest::keyClick(children, Qt::Key_1);
    QTest::keyClick(children, Qt::Key_H, Qt::AltModifier);
    QTest::keyClick(children, Qt::Key_P, Qt::AltModifier);
    d->Edit3->setText("2030");
    d->Edit4->setText("67");
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    QTest::keyClick(children, Qt::Key_O, Qt::AltModifier);
    // A button's access letter animates the click.
    EXPECT_TRUE(QTest::qWaitFor([d] { return !d->isVisible(); }, 2000)) << "Alt+O pressed OK";
    EXPECT_TRUE(dialogs.Messages.empty()) << "children per family stayed 1";
    EXPECT_TRUE(State.InputsAccepted);
    EXPECT_EQ(State.ChildrenPerFamily, 1.0);
    QApplication::setActiveWindow(Form1);
}

// A key that brings several characters at once (a compose sequence) is
// filtered character by character.
TEST(KeyFilter, SeveralCharactersAtOnceAreFilteredOneByOne) {
    StartFresh();
    QLineEdit* children = Shown(BtnBottomDlg, BtnBottomDlg->Edit1);
    QKeyEvent several(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "1,a8");
    QCoreApplication::sendEvent(children, &several);
    EXPECT_EQ(children->text(), "1.8");
    BtnBottomDlg->hide();
    QApplication::setActiveWindow(Form1);
}

}  // namespace
