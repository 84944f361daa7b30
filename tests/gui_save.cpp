// "Gem som ...": each view on show saved as a file that reads back as what is
// printed or copied, and nothing written where the save cannot succeed.
#include "DialogRecorder.h"
#include "GuiHarness.h"
#include "OutputTestSupport.h"

#include "Inddatp.h"
#include "Overskr.h"
#include "PrintLayout.h"
#include "SaveFile.h"
#include "SaveView.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit8.h"
#include "ViewOutput.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class SaveTest : public ::testing::Test {
public:
    DialogRecorder dialogs;
    QTemporaryDir dir;
    QString answer;      // the path the save dialog answers, "" cancels
    QString answerType;  // the type the user picks there; "" keeps the offered one
    QString offeredName;
    QString offeredType;
    int saveDialogs = 0;

    void SetUp() override {
        StartFresh();
        Form4->ResetCensusView();
        Form3->DisableProjectionActions();
        savedHeading = Overskrif->HeadingText;
        Overskrif->HeadingText = "Klasse 7b";
        savedSaveFile = SetSaveFileFunction([this](QWidget*, const QString& name, const QStringList&, QString& chosen) {
            ++saveDialogs;
            offeredName = name;
            offeredType = chosen;
            if (!answerType.isEmpty()) chosen = answerType;
            return answer;
        });
    }
    void TearDown() override {
        SetSaveFileFunction(savedSaveFile);
        Overskrif->HeadingText = savedHeading;
        HideViews();
    }

    // A projection from 2000 to 2030 through "Inddata"; the table is on show.
    void Project() {
        ProjectThroughMenu(dialogs, 2000);
        ASSERT_EQ(State.DisplayMode, 1);
    }

    // Saves under name in the scratch folder; returns the path.
    QString Save(const QString& name) {
        answer = name.isEmpty() ? QString() : dir.filePath(name);
        Form1->UpdateExtraItems();
        Form1->Gemsom1->trigger();
        return answer;
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList FilesInDir() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QString savedHeading;
    SaveFileFunction savedSaveFile;
};

}  // namespace

// Each view offers the types of what it shows, "Gem som" is enabled as the
// menu opens, and a table's CSV has its own columns.
TEST_F(SaveTest, EachViewOffersTheTypesOfWhatItShows) {
    const QStringList table = {"Tekst (*.txt)", "CSV (*.csv)"};
    const QStringList chart = {"PNG-billede (*.png)", "PDF (*.pdf)"};
    const auto census = [](QDialog& dialog) {
        if (&dialog == Form8) State.BaseYear = 1901;
        return int(QDialog::Accepted);
    };
    const auto cancel = [](QDialog&) {
        State.InputsAccepted = false;
        return int(QDialog::Rejected);
    };
    struct Row {
        const char* Name;
        std::function<void(SaveTest&)> Show;
        QStringList Types;
        const char* FirstCsvRow = "";  // for a table
        const char* FileName = "";     // proposed for a table
    };
    const Row rows[] = {
        {"nothing", [](SaveTest&) {}, {}},
        {"projection, table", [](SaveTest& t) { t.Project(); }, table, "Basisår;2000;;", "Prognose 2030"},
        {"projection, total graph", [](SaveTest&) { Form1->Ialtgraf1->trigger(); }, chart},
        {"projection, input cancelled",
         [&](SaveTest& t) { t.dialogs.OnExec = cancel, Form1->Inddata1->trigger(); }, {}},
        {"census 1901, table", [&](SaveTest& t) { t.dialogs.OnExec = census, Form1->Inddata2->trigger(); }, table,
         "Folketælling år;1901;;", "Folketælling 1901"},
        {"census 1901, pyramid", [](SaveTest&) { Form1->Pyramide2->trigger(); }, chart},
        {"fertility", [](SaveTest&) { Form1->Fertilitet1->trigger(); }, table,
         "År;Børn pr. kvinde;Særligt år;Børn pr. kvinde det år", "Fertilitet"},
        {"lifetime, one person", [](SaveTest&) {
             Form1->enPersonClick();
             Form2->Edit1->setText("40");
             Form2->Edit1Exit();
             Form2->Edit2->setText("k");
             Form2->Button1->click();
         }, table, "Køn;Kvinde", "Levetid"},
        {"lifetime, graph", [](SaveTest&) { Form1->Graf1->trigger(); }, chart},
    };
    QAction* menu = Form1->Ekstra1;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Show(*this);
        Form1->Gemsom1->setEnabled(row.Types.isEmpty());
        Form1->MainMenu1->setActiveAction(menu);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->menu()->isVisible(); }, 1000));
        menu->menu()->hide();
        Form1->MainMenu1->setActiveAction(nullptr);
        EXPECT_EQ(Form1->Gemsom1->isEnabled(), !row.Types.isEmpty());
        EXPECT_EQ(SaveFileTypes(), row.Types);
        const int asked = saveDialogs;
        const QByteArray csv = Read(Save("tabel.csv"));
        EXPECT_EQ(saveDialogs, asked + !row.Types.isEmpty());
        if (row.Types == table) {
            EXPECT_EQ(csv.left(csv.indexOf("\r\n")), QByteArray("\xEF\xBB\xBF") + row.FirstCsvRow);
            EXPECT_EQ(offeredName, row.FileName);
        }
    }
}

TEST_F(SaveTest, AChartSavesAsTheClipboardPictureAndAsThePrintout) {
    Project();
    Form1->Pyramide1->trigger();
    QImage picture;
    ASSERT_TRUE(picture.load(Save("pyramide.png")));
    ActiveView = 2;
    Form1->KopiertilKlippebordet1->trigger();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(picture.size(), Form3->ScrollBox1->PaintBox1->size() + QSize(0, 80));
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));

    const QString pdf = Save("pyramide.pdf");
    ASSERT_EQ(PdfPageCount(pdf), 1);
    const QStringList words = PdfPageLines(pdf, 1);
    ASSERT_FALSE(words.isEmpty());
    EXPECT_TRUE(words[0].startsWith("Klasse 7b"));
    EXPECT_TRUE(words.join(' ').contains("PROGNOSE år 2030"));
    EXPECT_EQ(dialogs.PrintDialogs, 0) << "saving asks for no printer";
}

TEST_F(SaveTest, TheNameDecidesTheTypeAndTheChosenTypeFillsIn) {
    Project();
    answerType = "CSV (*.csv)";
    EXPECT_TRUE(Read(Save("uden-endelse") + ".csv").startsWith("\xEF\xBB\xBF" "Basisår;"));
    // Another type's suffix never names the file: the chosen type's is added.
    EXPECT_TRUE(Read(Save("tal.html") + ".csv").startsWith("\xEF\xBB\xBF" "Basisår;"));
    EXPECT_FALSE(QFile::exists(dir.filePath("tal.html")));

    // The extension wins over the type: the lines as printed, each ended.
    std::string expected;
    for (const std::string& line : HeadedLines("Klasse 7b", State.TableLines)) expected += line + "\n";
    EXPECT_EQ(Read(Save("tabel.txt")).toStdString(), expected);

    Save("billede.png");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Gem som");
    EXPECT_FALSE(QFile::exists(dir.filePath("billede.png")));
}

// A table is offered the type chosen last for a table, a chart the one chosen
// last for a chart.
TEST_F(SaveTest, EachKindOffersItsOwnLastType) {
    Project();
    const struct {
        QAction* show;
        const char* offered;  // "" for either of the kind's types
        const char* chosen;
    } rows[] = {{Form1->Tabel2, "", "CSV (*.csv)"},
                {Form1->Pyramide1, "", "PNG-billede (*.png)"},
                {Form1->Tabel2, "CSV (*.csv)", "Tekst (*.txt)"},
                {Form1->Ialtgraf1, "PNG-billede (*.png)", "PDF (*.pdf)"},
                {Form1->Tabel2, "Tekst (*.txt)", ""}};
    const QStringList tableTypes = {"Tekst (*.txt)", "CSV (*.csv)"};
    const QStringList chartTypes = {"PNG-billede (*.png)", "PDF (*.pdf)"};
    for (const auto& row : rows) {
        row.show->trigger();
        answerType = row.chosen;
        Save("fil");
        const QStringList& kind = row.show == Form1->Tabel2 ? tableTypes : chartTypes;
        if (*row.offered) EXPECT_EQ(offeredType, row.offered);
        else EXPECT_TRUE(kind.contains(offeredType)) << offeredType.toStdString();
    }
}

// Every table's CSV, read as a Danish spreadsheet reads it, holds the
// figures of the table on show (saved beside it as text).
TEST_F(SaveTest, EveryCsvReadsAsTheTableOnShow) {
    const auto census = [](int32_t year) {
        return [year](QDialog& dialog) {
            if (&dialog == Form8) State.BaseYear = year;
            return int(QDialog::Accepted);
        };
    };
    const auto lifetime = [](const char* ageA, const char* ageB) {
        if (ageB) Form1->Topersoner1Click();
        else Form1->enPersonClick();
        QTest::keyClicks(Form2->Edit1, ageA);
        QTest::keyClicks(Form2->Edit2, "m");
        if (ageB) {
            QTest::keyClicks(Form2->Edit3, ageB);
            QTest::keyClicks(Form2->Edit4, "k");
        }
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        ActiveView = ActiveViews::Lifetime;
    };
    struct Row {
        const char* name;
        std::function<void(SaveTest&)> show;
    };
    const Row rows[] = {
        {"projection", [](SaveTest& t) { t.Project(); }},
        {"continued", [](SaveTest& t) {
             t.dialogs.OnExec = [](QDialog&) { return int(QDialog::Accepted); };
             Form1->Fortst1->trigger();
         }},
        {"census1801", [&](SaveTest& t) { t.dialogs.OnExec = census(1801), Form1->Inddata2->trigger(); }},
        {"census2006", [&](SaveTest& t) { t.dialogs.OnExec = census(2006), Form1->Inddata2->trigger(); }},
        {"lifeexpectancy", [](SaveTest&) { Form1->Middellevetid1->trigger(); }},
        {"mortality", [](SaveTest&) { Form1->Ddelighed1->trigger(); }},
        {"fertility", [](SaveTest&) { Form1->Fertilitet1->trigger(); }},
        {"oneperson", [&](SaveTest&) { lifetime("45", nullptr); }},
        {"twopersons", [&](SaveTest&) { lifetime("45", "97"); }},
    };
    answerType = "CSV (*.csv)";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.show(*this);
        Save(QString(row.name) + ".csv");
        Save(QString(row.name) + ".txt");
        ASSERT_TRUE(QFile::exists(dir.filePath(QString(row.name) + ".csv")));
    }
    QProcess check;
    check.start("python3", {LYSVANDRE_CSV_CHECK, dir.path()});
    if (!check.waitForStarted()) GTEST_SKIP() << "no python3";
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    EXPECT_TRUE(check.readAllStandardOutput().contains("9 CSV files checked"));
}

TEST_F(SaveTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    Project();
    // Tests run as root, where permissions stop nothing: a folder that is a
    // file, and a name that is a folder.
    QFile blocker(dir.filePath("fil"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("mappe.txt"));

    Save("fil/tabel.txt");
    Save("mappe.txt");
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    for (const auto& message : dialogs.Messages) {
        EXPECT_EQ(message.Caption, "Gem som");
        EXPECT_TRUE(QString::fromStdString(message.Text).startsWith("Filen kunne ikke gemmes:\n" + dir.path()));
    }
    EXPECT_EQ(FilesInDir(), QStringList({"fil", "mappe.txt"})) << "no temporary file left";
    EXPECT_TRUE(QDir(dir.filePath("mappe.txt")).isEmpty());

    // Cancelled: nothing asked further, nothing written.
    Save("");
    EXPECT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(FilesInDir().size(), 2);
}

TEST(SaveFile, AWriteThatGivesUpLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tabel.txt");
    QString reason;
    ASSERT_TRUE(SaveFileSafely(path, QByteArray("gammel\n"), reason));
    EXPECT_FALSE(SaveFileSafely(
        path, [](QIODevice& device) { return device.write("halv") < 0; }, reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"tabel.txt"}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "gammel\n");
}

TEST_F(SaveTest, TheProgramsSaveDialogIsTheStandardOneForTheTypesOnShow) {
    SetSaveFileFunction({});
    dialogs.OnExec = [](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        EXPECT_NE(files, nullptr);
        if (!files) return int(QDialog::Rejected);
        EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(files->nameFilters(), QStringList({"Tekst (*.txt)", "CSV (*.csv)"}));
        EXPECT_EQ(files->selectedNameFilter(), "CSV (*.csv)");
        EXPECT_EQ(files->defaultSuffix(), "csv");
        EXPECT_EQ(QFileInfo(files->selectedFiles().value(0)).completeBaseName(), "Prognose 2030");
        return int(QDialog::Rejected);
    };
    QString chosen = "CSV (*.csv)";
    EXPECT_EQ(ExecSaveFileDialog(Form1, "Prognose 2030", {"Tekst (*.txt)", "CSV (*.csv)"}, chosen), QString());
    EXPECT_EQ(dialogs.ExecutedDialogs, QStringList({"SaveFileDialog"}));
}
