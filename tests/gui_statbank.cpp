// "Indlæs tal fra Statistikbanken", "Glem indlæste tal" and "Sammenlign med
// faktisk befolkning" in the desktop program.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "GuiHarness.h"
#include "StatbankFiles.h"
#include "StatbankSamples.h"
#include "Unit3.h"
#include "Unit7.h"
#include "ViewWindow.h"
#include "YearLists.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

class StatbankImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartFresh();
        QFile::remove(RememberedImportsPath());
        saved = SetOpenFileFunction([this](QWidget*, const QString&, const QStringList&) { return chosen; });
    }
    void TearDown() override {
        SetOpenFileFunction(saved);
        ForgetStatbankImports();
        QFile::remove(RememberedImportsPath());
    }
    // Chooses a file with these bytes in the open dialog and imports it.
    void Import(const std::string& bytes) {
        chosen = folder.filePath(QString("file%1.csv").arg(++files));
        QFile file(chosen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        Form1->Indlstal1->trigger();
    }
    std::string Shown() const { return Form3->Memo2->toPlainText().toStdString(); }

    DialogRecorder dialogs;
    QTemporaryDir folder;
    QString chosen;
    int files = 0;
    OpenFileFunction saved;
};

std::string Population(std::vector<std::string> periods) {
    samples::TableCsv t;
    t.periods = std::move(periods);
    return samples::Write(t);
}

TEST_F(StatbankImportTest, APopulationBecomesBaseYearsAndItsNewestTableIsShown) {
    Import(Population({"2024K1", "2025K1"}));
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Statistikbanken");
    EXPECT_EQ(dialogs.Messages[0].Text.rfind("Befolkning 2024-2025 indlæst: 2 år, ", 0), 0u) << dialogs.Messages[0].Text;
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_NE(Shown().find("PROGNOSE  for året 2025    Basisår: 2025"), std::string::npos) << Shown();
    EXPECT_TRUE(Form1->Pyramide1->isEnabled());
    EXPECT_EQ(ProjectionBaseYears(), (std::vector<int32_t>{1980, 1990, 2000, 2008, 2024, 2025}));
    EXPECT_TRUE(QFile::exists(RememberedImportsPath()));

    // Remembered: a new start reads them back.
    ForgetStatbankImports();
    LoadRememberedImports();
    EXPECT_EQ(ProjectionBaseYears().back(), 2025);

    // Forgotten: the projection from 2025 goes with it.
    Form1->UpdateExtraItems();
    ASSERT_TRUE(Form1->Glemindlstetal1->isEnabled());
    Form1->Glemindlstetal1->trigger();
    EXPECT_EQ(dialogs.Messages.back().Text, "De indlæste tal er glemt.");
    EXPECT_FALSE(QFile::exists(RememberedImportsPath()));
    EXPECT_EQ(ProjectionBaseYears(), (std::vector<int32_t>{1980, 1990, 2000, 2008}));
    EXPECT_EQ(State.BaseYear, 2008);
    EXPECT_FALSE(Form1->Pyramide1->isEnabled());
    EXPECT_FALSE(Form1->Glemindlstetal1->isEnabled());
}

TEST_F(StatbankImportTest, ARefusedOrCancelledFileChangesNothing) {
    ProjectThroughMenu(dialogs, 2000);
    const ModelState before = State;
    const std::string shown = Shown();
    chosen.clear();
    Form1->Indlstal1->trigger();  // cancelled
    EXPECT_TRUE(dialogs.Messages.empty());
    for (const std::string& bad : {std::string("PK\x03\x04\x14\0", 6), std::string("KØN;TID;INDHOLD\nMænd;2025;5\n")}) {
        Import(bad);
        ASSERT_FALSE(dialogs.Messages.empty());
        EXPECT_EQ(dialogs.Messages.back().Caption, "Fejl");
    }
    chosen = folder.filePath("missing.csv");
    Form1->Indlstal1->trigger();
    EXPECT_EQ(dialogs.Messages.back().Caption, "Fejl");
    EXPECT_EQ(dialogs.Messages.size(), 3u);
    EXPECT_TRUE(State == before);
    EXPECT_EQ(Shown(), shown);
    EXPECT_FALSE(QFile::exists(RememberedImportsPath()));
}

TEST_F(StatbankImportTest, AnOldProjectionAgainstWhatHappened) {
    ProjectThroughMenu(dialogs, 2008, "1.5", "2025");
    Form1->UpdateExtraItems();
    EXPECT_FALSE(Form1->Sammenlignfaktisk1->isEnabled());
    // Only age groups: kept as the actual population, no base year, the view stays.
    std::string groups = "\"Befolkningen 1. januar efter køn, alder og tid\"\n , ,2025\n";
    for (const char* sex : {"Mænd", "Kvinder"}) {
        groups += std::string(sex) + ",,\n";
        for (int a = 0; a < 100; a += 5) groups += " ," + std::to_string(a) + "-" + std::to_string(a + 4) + " år,150000\n";
        groups += " ,100 år og derover,1000\n";
    }
    Import(groups);
    EXPECT_EQ(dialogs.Messages.back().Text, "Befolkning i aldersgrupper 2025 indlæst: 6.002.000 personer");
    EXPECT_EQ(State.BaseYear, 2008);
    Form1->UpdateExtraItems();
    ASSERT_TRUE(Form1->Sammenlignfaktisk1->isEnabled());
    Form1->Sammenlignfaktisk1->trigger();
    EXPECT_NE(Shown().find("Faktisk befolkning 2025:  6002000 indb.  Prognosen afviger"), std::string::npos) << Shown();
    Form1->Pyramide1->trigger();
    ASSERT_TRUE(Form3->ComparesWithActual());
    EXPECT_EQ(Form3->Chart.Comparison()->Name, "faktisk befolkning 2025");
    EXPECT_DOUBLE_EQ(Form3->Chart.Comparison()->Male[3], 150000);
    Form1->UpdateExtraItems();
    EXPECT_TRUE(Form1->Sammenlignfaktisk1->isChecked());
    EXPECT_FALSE(Form1->Sammenlign1->isChecked());
}

// Twenty imported years: the chooser lists all 24, scrolls, and a click on
// the last one picks it.
TEST_F(StatbankImportTest, EveryImportedBaseYearIsListedAndTheListScrolls) {
    std::vector<std::string> periods;
    for (int year = 2030; year < 2050; ++year) periods.push_back(std::to_string(year) + "K1");
    ASSERT_TRUE(ImportStatbankFile(Population(periods)).Ok);
    ListBaseYears();
    Form7->show();
    const QStringList lines = Form7->Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 3 + 24);
    EXPECT_EQ(lines.last(), "          2049");
    QScrollBar* bar = Form7->Memo1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    const std::vector<DrawnYear> drawn = DrawnYears(*Form7->Memo1, BaseYearPositions());
    const QRect last(QPoint(drawn.back().Left, drawn.back().Top), QPoint(drawn.back().Right, drawn.back().Bottom));
    ASSERT_TRUE(Form7->Memo1->viewport()->rect().contains(last.center()));
    QTest::mouseClick(Form7->Memo1->viewport(), Qt::LeftButton, Qt::NoModifier, last.center());
    EXPECT_EQ(Form7->Edit1->text(), "2049");
    // Off the years, a scrolled list picks nothing.
    Form7->Edit1->setText("x");
    ASSERT_LT(81, drawn.back().Left);
    Form7->Memo1MouseDown(81, 95);
    EXPECT_EQ(Form7->Edit1->text(), "x");
    Form7->BitBtn2->click();
}

}  // namespace
