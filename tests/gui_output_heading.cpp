// The printout heading dialog: its controls, its keys and what OK, Fortryd,
// Escape and the close box do to the heading.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "ViewOutput.h"
#include "Overskr.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class HeadingDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramStart();
        savedHeading = Overskrif->HeadingText;
        savedField = Overskrif->Edit1->text();
        Overskrif->HeadingText.clear();
        Overskrif->Edit1->clear();
    }
    void TearDown() override {
        Overskrif->hide();
        Overskrif->HeadingText = savedHeading;
        Overskrif->Edit1->setText(savedField);
    }

    // Shows the dialog the way the heading buttons do, runs `user` while it
    // is open and returns the dialog's result.
    static int RunDialog(const std::function<void()>& user) {
        DialogRecorder dialogs;
        dialogs.OnExec = [&](QDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                user();
                // A user who leaves it open closes it with the close box.
                if (dialog.isVisible()) dialog.close();
            });
            return dialog.exec();
        };
        int result = -1;
        dialogs.OnExec = [&, exec = dialogs.OnExec](QDialog& dialog) { return result = exec(dialog); };
        ShowHeadingDialog();
        EXPECT_EQ(dialogs.ExecutedDialogs, QStringList{"Overskrif"});
        return result;
    }

    static void Type(const QString& text) {
        Overskrif->Edit1->selectAll();
        QTest::keyClicks(Overskrif->Edit1, text);
    }

    QString savedHeading, savedField;
};

TEST_F(HeadingDialogTest, WindowAndControlsAsDesigned) {
    TOverskrif* d = Overskrif;
    EXPECT_EQ(d->objectName(), "Overskrif");
    EXPECT_EQ(d->windowTitle(), "   Overskrift");
    EXPECT_EQ(d->geometry(), QRect(229, 123, 389, 119));
    EXPECT_EQ(d->font().family(), "Courier New");
    EXPECT_EQ(d->font().pixelSize(), 13);
    EXPECT_FALSE(d->font().bold());
    EXPECT_FALSE(d->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(d->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(d->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    struct Row {
        QWidget* Control;
        const char* Name;
        QRect Geometry;
        QString Text;
    };
    const Row rows[] = {
        {d->Bevel1, "Bevel1", QRect(16, 8, 361, 73), ""},
        {d->Label1, "Label1", QRect(24, 16, 312, 16), " Navn eller overskrift til udskrifter: "},
        {d->Edit1, "Edit1", QRect(48, 40, 297, 24), ""},
        {d->BitBtn1, "BitBtn1", QRect(56, 88, 65, 25), "OK"},
        {d->BitBtn2, "BitBtn2", QRect(264, 88, 89, 25), "&Fortryd"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Control->objectName(), row.Name);
        EXPECT_EQ(row.Control->geometry(), row.Geometry);
        if (auto* label = qobject_cast<QLabel*>(row.Control)) {
            EXPECT_EQ(label->text(), row.Text);
        }
        if (auto* button = qobject_cast<QPushButton*>(row.Control)) {
            EXPECT_EQ(button->text(), row.Text);
            EXPECT_FALSE(button->icon().isNull());
        }
    }
    EXPECT_EQ(d->Edit1->nextInFocusChain(), d->BitBtn1);
    EXPECT_EQ(d->BitBtn1->nextInFocusChain(), d->BitBtn2);

    const QString docs = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
    if (!docs.isEmpty()) {
        d->Edit1->setText("Klasse 7b");
        d->show();
        QTest::qWait(20);
        d->grab().save(QDir(docs).filePath("heading-dialog.png"));
        d->hide();
    }
}

TEST_F(HeadingDialogTest, EnterMovesToOkAndASecondEnterTakesTheText) {
    bool openAfterFirstEnter = false;
    QWidget* focusAfterFirstEnter = nullptr;
    const int result = RunDialog([&] {
        EXPECT_EQ(Overskrif->focusWidget(), Overskrif->Edit1) << "the field has the focus when shown";
        Type("Klasse 7b");
        QTest::keyClick(Overskrif->Edit1, Qt::Key_Return);
        openAfterFirstEnter = Overskrif->isVisible();
        focusAfterFirstEnter = Overskrif->focusWidget();
        QTest::keyClick(focusAfterFirstEnter, Qt::Key_Return);
    });
    EXPECT_TRUE(openAfterFirstEnter);
    EXPECT_EQ(focusAfterFirstEnter, Overskrif->BitBtn1);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Overskrif->HeadingText, "Klasse 7b");
}

TEST_F(HeadingDialogTest, OkFortrydEscapeAndTheCloseBox) {
    struct Row {
        const char* Name;
        std::function<void()> Close;
        QString Heading;  // after "Første" was the heading and "Anden" typed
        int Result;
    };
    const Row rows[] = {
        {"OK takes the field", [] { Overskrif->BitBtn1->click(); }, "Anden", QDialog::Accepted},
        {"Fortryd restores", [] { Overskrif->BitBtn2->click(); }, "Første", QDialog::Rejected},
        {"Escape restores", [] { QTest::keyClick(Overskrif->Edit1, Qt::Key_Escape); }, "Første",
         QDialog::Rejected},
        {"Escape on OK restores", [] { QTest::keyClick(Overskrif->BitBtn1, Qt::Key_Escape); }, "Første",
         QDialog::Rejected},
        {"the close box changes nothing", [] { Overskrif->close(); }, "uændret", QDialog::Rejected},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Overskrif->Edit1->setText("Første");
        Overskrif->HeadingText = "uændret";
        const int result = RunDialog([&] {
            EXPECT_EQ(SavedHeading, "Første") << "remembered when the dialog became active";
            Type("Anden");
            row.Close();
        });
        EXPECT_EQ(result, row.Result);
        EXPECT_EQ(Overskrif->HeadingText, row.Heading);
        EXPECT_EQ(Overskrif->Edit1->text(), "Anden") << "the field keeps what was typed";
    }
}

TEST_F(HeadingDialogTest, FortrydRightAfterReopeningTakesTheFieldsNewText) {
    RunDialog([] { Type("Klasse 7b"); Overskrif->BitBtn1->click(); });
    ASSERT_EQ(Overskrif->HeadingText, "Klasse 7b");

    RunDialog([] { Type("Klasse 8a"); Overskrif->BitBtn2->click(); });
    EXPECT_EQ(Overskrif->HeadingText, "Klasse 7b");
    EXPECT_EQ(Overskrif->Edit1->text(), "Klasse 8a");

    RunDialog([] {
        EXPECT_EQ(Overskrif->Edit1->text(), "Klasse 8a") << "the field keeps its text between showings";
        Overskrif->BitBtn2->click();
    });
    EXPECT_EQ(Overskrif->HeadingText, "Klasse 8a");
}

TEST_F(HeadingDialogTest, TheTextIsUsedAsTyped) {
    RunDialog([] { Type("  Hold 3  "); Overskrif->BitBtn1->click(); });
    EXPECT_EQ(Overskrif->HeadingText, "  Hold 3  ");
    EXPECT_TRUE(HeadingUsed());

    RunDialog([] { Overskrif->Edit1->clear(); Overskrif->BitBtn1->click(); });
    EXPECT_EQ(Overskrif->HeadingText, "");
    EXPECT_FALSE(HeadingUsed());
}

}  // namespace
