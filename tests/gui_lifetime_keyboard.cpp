// The lifetime view worked from the keyboard alone: Enter leads from field to
// field and on to OK, and Enter on OK presses it, as it does in a real window.
#include "GuiHarness.h"

#include "Lifetime.h"
#include "Unit2.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <string>

namespace {

void TypeAndEnter(QLineEdit* edit, const QString& text) {
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

bool TableShown() {
    const auto& lines = State.TableLines;
    return State.LifetimeViewActive && !Form2->StringGrid1->isHidden() &&
           std::find(lines.begin(), lines.end(), std::string(" Levetidstabel")) != lines.end();
}

struct KeyboardRow {
    const char* name;
    bool two;
};

class LifetimeKeyboard : public ::testing::TestWithParam<KeyboardRow> {};

TEST_P(LifetimeKeyboard, EnterOnOkShowsTheTable) {
    ProgramStart();
    State = ModelState();
    LoadAllData();
    Lifetime = LifetimeState();
    HideViews();
    Form1->activateWindow();
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    if (GetParam().two) Form1->Topersoner1Click();
    else Form1->enPersonClick();
    ASSERT_TRUE(Form2->Edit1->hasFocus());
    TypeAndEnter(Form2->Edit1, "45");
    TypeAndEnter(Form2->Edit2, "m");
    if (GetParam().two) {
        TypeAndEnter(Form2->Edit3, "70");
        TypeAndEnter(Form2->Edit4, "k");
    }
    ASSERT_TRUE(Form2->Button1->hasFocus());
    EXPECT_FALSE(TableShown());
    QTest::keyClick(Form2->Button1, Qt::Key_Return);
    EXPECT_TRUE(TableShown());
    EXPECT_EQ(Lifetime.PersonCount, GetParam().two ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Persons, LifetimeKeyboard,
                         ::testing::Values(KeyboardRow{"OnePerson", false}, KeyboardRow{"TwoPersons", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
