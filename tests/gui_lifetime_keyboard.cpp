// The lifetime view worked from the keyboard alone: Enter leads from field to
// field and on to OK, Enter on OK presses it, and Tab follows the tab order.
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

class LifetimeKeyboard : public ::testing::TestWithParam<KeyboardRow> {
protected:
    void SetUp() override { StartFresh(); }
};

TEST_P(LifetimeKeyboard, EnterOnOkShowsTheTable) {

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

// Tab walks the fields in their tab order (skipping B's hidden fields for one
// person) and leaving an age field by Tab stores the age.
TEST_P(LifetimeKeyboard, TabFollowsTheTabOrder) {

    if (GetParam().two) Form1->Topersoner1Click();
    else Form1->enPersonClick();
    ASSERT_TRUE(Form2->Edit1->hasFocus());
    QTest::keyClicks(Form2->Edit1, "45");
    QTest::keyClick(Form2->Edit1, Qt::Key_Tab);
    EXPECT_TRUE(Form2->Edit2->hasFocus());
    EXPECT_EQ(Lifetime.AgeA, 45);
    QTest::keyClick(Form2->Edit2, Qt::Key_Tab);
    if (GetParam().two) {
        EXPECT_TRUE(Form2->Edit3->hasFocus());
        QTest::keyClicks(Form2->Edit3, "70");
        QTest::keyClick(Form2->Edit3, Qt::Key_Tab);
        EXPECT_TRUE(Form2->Edit4->hasFocus());
        EXPECT_EQ(Lifetime.AgeB, 70);
        QTest::keyClick(Form2->Edit4, Qt::Key_Tab);
    }
    EXPECT_TRUE(Form2->Button1->hasFocus());
    QTest::keyClick(Form2->Button1, Qt::Key_Backtab);
    EXPECT_TRUE((GetParam().two ? Form2->Edit4 : Form2->Edit2)->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Persons, LifetimeKeyboard,
                         ::testing::Values(KeyboardRow{"OnePerson", false}, KeyboardRow{"TwoPersons", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
