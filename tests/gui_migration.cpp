// "Indvandring ...": the net migration typed in its dialog, the projection
// on show run again with it, and the outline of the projection without it.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "MigrationDlg.h"
#include "StatbankImports.h"
#include "StatbankSamples.h"
#include "Unit5.h"
#include "Unit3.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QPushButton>

namespace {

class MigrationTest : public ::testing::Test {
public:
    DialogRecorder dialogs;

    void SetUp() override {
        StartFresh();
        Form3->DisableProjectionActions();
    }
    void TearDown() override {
        Form3->Chart.SetComparison(nullptr);
        HideViews();
    }

    // The dialog answered with text typed into its field, then OK; the
    // dialog's result.
    int EnterMigration(const QString& text) {
        int result = -1;
        dialogs.OnExec = [&](QDialog& dialog) {
            if (&dialog != MigrationDlg) return int(QDialog::Rejected);
            dialog.setResult(QDialog::Rejected);
            dialog.show();
            MigrationDlg->Edit1->clear();
            QTest::keyClicks(MigrationDlg->Edit1, text);
            MigrationDlg->OKBtn->click();
            result = dialog.result();
            dialog.hide();
            return result;
        };
        Form1->Indvandring1->trigger();
        return result;
    }

    static double Total() { return State.TotalMale + State.TotalFemale; }
};

TEST_F(MigrationTest, BadNumbersAreRefusedWithTheRangeAndChangeNothing) {
    ProjectThroughMenu(dialogs, 2000);
    const std::vector<std::string> table = State.TableLines;
    struct Row {
        const char* typed;
        const char* field;  // what the key filter lets through
        bool message;
    };
    const Row rows[] = {
        {"200001", "200001", true},
        {"-100001", "-100001", true},
        {"-", "-", true},
        {"1-2", "1-2", true},
        {"", "", false},          // nothing typed: OK is off
        {"3a0,5", "305", false},  // letters and commas never reach the field
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        dialogs.Messages.clear();
        const bool accepted = EnterMigration(row.typed) == QDialog::Accepted;
        EXPECT_EQ(MigrationDlg->Edit1->text(), row.field);
        ASSERT_EQ(dialogs.Messages.size(), row.message ? 1u : 0u);
        if (row.message) {
            EXPECT_EQ(dialogs.Messages[0].Text, "Nettoindvandring mellem -100000 og 200000");
            EXPECT_EQ(dialogs.Messages[0].Caption, "Ups");
        }
        EXPECT_EQ(accepted, row.field == std::string("305"));
        if (!accepted) {
            EXPECT_EQ(State.NetMigration, 0);
            EXPECT_EQ(State.TableLines, table);
        }
    }
    EXPECT_EQ(State.NetMigration, 305);  // the one good row
}

TEST_F(MigrationTest, OkRunsTheProjectionOnShowAgainInItsPicture) {
    ProjectThroughMenu(dialogs, 2000);
    const double without = Total();
    ASSERT_EQ(EnterMigration("30000"), QDialog::Accepted);
    EXPECT_EQ(State.NetMigration, 30000);
    EXPECT_EQ(State.DisplayMode, DisplayModes::ProjectionTable);
    EXPECT_EQ(State.TableLines[7].substr(25), "    Nettoindvandring pr. år:   30000");
    EXPECT_TRUE(Form3->Memo2->toPlainText().contains("Nettoindvandring pr. år:   30000"));
    EXPECT_GT(Total(), without + 30 * 30000 * 0.9);

    // Over the pyramid, the outline of the projection without migration.
    Form1->Pyramide1->trigger();
    Form1->UpdateExtraItems();
    ASSERT_TRUE(Form1->Sammenlignudenindvandring1->isEnabled());
    Form1->Sammenlignudenindvandring1->trigger();
    ASSERT_NE(Form3->Chart.Comparison(), nullptr);
    EXPECT_TRUE(Form3->Chart.Comparison()->WithoutMigration);
    EXPECT_TRUE(Form1->Sammenlignudenindvandring1->isChecked());
    EXPECT_FALSE(Form1->Sammenlign1->isChecked());
    double outlined = 0;
    for (int g = 0; g < 20; ++g) outlined += Form3->Chart.Comparison()->Male[g] + Form3->Chart.Comparison()->Female[g];
    EXPECT_NEAR(outlined, without, 1e-6);

    // The model text's two migration lines fit its window without scrolling.
    Form3->SpeedButton6->click();
    ASSERT_TRUE(Model->isVisible());
    EXPECT_EQ(Model->Memo1->toPlainText().split('\n').size(), 7);
    QCoreApplication::processEvents();
    EXPECT_EQ(Model->Memo1->horizontalScrollBar()->maximum(), 0);
    Model->hide();

    // Back to none: the pyramid on show is the plain projection again.
    ASSERT_EQ(EnterMigration("0"), QDialog::Accepted);
    EXPECT_EQ(State.DisplayMode, DisplayModes::ProjectionPyramid);
    EXPECT_NEAR(Total(), without, 1e-6);
    Form3->Chart.SetComparison(nullptr);
    Form1->UpdateExtraItems();
    EXPECT_FALSE(Form1->Sammenlignudenindvandring1->isEnabled());
}

// "Som i 2023" from imported movements: chosen, it proposes the year's own
// net migration, and the projection on show is run again with its profile.
TEST_F(MigrationTest, AnImportedYearIsAProfileThatProposesItsOwnTotal) {
    ASSERT_TRUE(ImportStatbankFile(samples::WriteMovements("Nettoindvandrede", {2023}, [](bool men, int a) -> long {
        return a == 25 ? (men ? 600 : 400) : 0;
    })).Ok);
    ProjectThroughMenu(dialogs, 2000);
    const double without = Total();
    dialogs.OnExec = [&](QDialog& dialog) {
        dialog.show();
        EXPECT_EQ(MigrationDlg->ComboBox1->count(), 2);
        EXPECT_EQ(MigrationDlg->ComboBox1->itemText(1), "Som i 2023");
        MigrationDlg->ComboBox1->setCurrentIndex(1);
        emit MigrationDlg->ComboBox1->activated(1);
        EXPECT_EQ(MigrationDlg->Edit1->text(), "1000");
        MigrationDlg->OKBtn->click();
        dialog.hide();
        return dialog.result();
    };
    Form1->Indvandring1->trigger();
    ForgetStatbankImports();
    EXPECT_EQ(State.NetMigration, 1000);
    EXPECT_EQ(MigrationProfileName(State.Migration), "Som i 2023");
    EXPECT_NE(Form3->Memo2->toPlainText().toStdString().find("Aldersprofil: Som i 2023"), std::string::npos);
    // 30 years of 1000 a year, all of them 25 when they came.
    EXPECT_GT(Total(), without + 30 * 1000 * 0.9);
    EXPECT_EQ(State.Migration.Male[25], 0.6);
}

}  // namespace
