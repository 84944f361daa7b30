// "Gem som ...": each view on show saved as a file that reads back as what is
// printed or copied, and nothing written where the save cannot succeed.
#include "DialogRecorder.h"
#include "GuiHarness.h"
#include "OutputTestSupport.h"

#include "Inddatp.h"
#include "Overskr.h"
#include "PrintLayout.h"
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
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class SaveTest : public ::testing::Test {
public:
    DialogRecorder dialogs;
    QTemporaryDir dir;
    QString answer;              // the path the save dialog answers, "" cancels
    QString answerType;          // the type the user picks there; "" keeps the offered one
    QStringList offeredTypes;
    QString offeredName;
    int saveDialogs = 0;

    void SetUp() override {
        StartFresh();
        Form4->ResetCensusView();
        Form3->DisableProjectionActions();
        savedHeading = Overskrif->HeadingText;
        Overskrif->HeadingText = "Klasse 7b";
        savedSaveFile = SetSaveFileFunction([this](QWidget*, const QString& name, const QStringList& types, QString& chosen) {
            ++saveDialogs;
            offeredName = name;
            offeredTypes = types;
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
        State.BaseYear = 2000;
        dialogs.OnExec = [](QDialog& dialog) {
            if (&dialog != BtnBottomDlg) return int(QDialog::Rejected);
            dialog.setResult(QDialog::Rejected);
            dialog.show();
            for (auto [edit, text] : {std::pair{BtnBottomDlg->Edit1, "1.8"}, {BtnBottomDlg->Edit3, "2030"},
                                      {BtnBottomDlg->Edit4, "67"}}) {
                edit->clear();
                edit->setText(text);
            }
            BtnBottomDlg->OKBtn->click();
            dialog.hide();
            return dialog.result();
        };
        Form1->Inddata1->trigger();
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

TEST_F(SaveTest, NothingOnShowOffersNoSave) {
    Form1->UpdateExtraItems();
    EXPECT_FALSE(Form1->Gemsom1->isEnabled());
    SaveViewOnShow(Form1);
    EXPECT_EQ(saveDialogs, 0);
}

TEST_F(SaveTest, EachViewOffersTheTypesOfWhatItShowsAndTheMenuFollows) {
    const QStringList table = {"Tekst (*.txt)", "CSV (*.csv)"};
    const QStringList chart = {"PNG-billede (*.png)", "PDF (*.pdf)"};
    struct Row {
        const char* Name;
        std::function<void(SaveTest&)> Show;
        QStringList Types;
        const char* FirstCsvRow;  // "": a chart
        const char* FileName = "";  // the file name proposed
    };
    const Row rows[] = {
        {"projection, table", [](SaveTest& t) { t.Project(); }, table, "Aldersgruppe,Mænd,Kvinder,I alt", "Prognose 2030"},
        {"projection, total graph", [](SaveTest&) { Form1->Ialtgraf1->trigger(); }, chart, ""},
        {"projection, input cancelled", [](SaveTest& t) {
             t.dialogs.OnExec = [](QDialog&) {
                 State.InputsAccepted = false;
                 return int(QDialog::Rejected);
             };
             Form1->Inddata1->trigger();
         }, {}, ""},
        {"census 1901, table", [](SaveTest& t) {
             t.dialogs.OnExec = [](QDialog& dialog) {
                 if (&dialog == Form8) State.BaseYear = 1901;
                 return int(QDialog::Accepted);
             };
             Form1->Inddata2->trigger();
         }, table, "Aldersgruppe,Mænd,Kvinder,I alt", "Folketælling 1901"},
        {"census 1901, pyramid", [](SaveTest&) { Form1->Pyramide2->trigger(); }, chart, ""},
        {"fertility", [](SaveTest&) { Form1->Fertilitet1->trigger(); }, table,
         "År,Børn pr. kvinde,Særligt år,Børn pr. kvinde det år", "Fertilitet"},
        {"lifetime, one person", [](SaveTest&) {
             Form1->enPersonClick();
             Form2->Edit1->setText("40");
             Form2->Edit1Exit();
             Form2->Edit2->setText("k");
             Form2->Button1->click();
         }, table, "Alder,Chance (%)", "Levetid"},
        {"lifetime, graph", [](SaveTest&) { Form1->Graf1->trigger(); }, chart, ""},
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
        EXPECT_EQ(Form1->Gemsom1->isEnabled(), !row.Types.isEmpty()) << "set as the menu opens";
        EXPECT_EQ(SaveFileTypes(), row.Types);
        if (*row.FirstCsvRow) {
            EXPECT_EQ(QString::fromUtf8(Read(Save("tabel.csv"))).section('\n', 0, 0), row.FirstCsvRow);
            EXPECT_EQ(offeredName, row.FileName);
        }
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(SaveTest, ATableSavesAsThePrintedLinesAndAsItsGroupFigures) {
    Project();
    Form1->UpdateExtraItems();
    EXPECT_TRUE(Form1->Gemsom1->isEnabled());
    EXPECT_EQ(SaveFileTypes(), QStringList({"Tekst (*.txt)", "CSV (*.csv)"}));

    const QByteArray text = Read(Save("prognose.txt"));
    std::vector<std::string> expected = HeadedLines("Klasse 7b", State.TableLines);
    QStringList lines = QString::fromUtf8(text).split('\n');
    EXPECT_EQ(lines.takeLast(), "") << "every line ends";
    ASSERT_EQ(lines.size(), qsizetype(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i].toStdString(), expected[i]);

    const QStringList rows = QString::fromUtf8(Read(Save("prognose.csv"))).trimmed().split('\n');
    ASSERT_EQ(rows.size(), 21);
    EXPECT_EQ(rows[0], "Aldersgruppe,Mænd,Kvinder,I alt");
    for (int g = 0; g < 20; ++g) {
        const QStringList fields = rows[g + 1].split(',');
        ASSERT_EQ(fields.size(), 4);
        EXPECT_NEAR(fields[1].toDouble(), State.GroupMale[g], 0.005);
        EXPECT_NEAR(fields[2].toDouble(), State.GroupFemale[g], 0.005);
    }
    EXPECT_TRUE(dialogs.Messages.empty());

    // The historical tables give a row per decade.
    Form1->Middellevetid1->trigger();
    const QStringList history = QString::fromUtf8(Read(Save("middellevetid.csv"))).trimmed().split('\n');
    EXPECT_EQ(history.size(), 17);
    EXPECT_EQ(history.value(1), "1840-49,42.9,45.0");
}

TEST_F(SaveTest, AChartSavesAsTheClipboardPictureAndAsThePrintout) {
    Project();
    Form1->Pyramide1->trigger();
    Form1->UpdateExtraItems();
    EXPECT_TRUE(Form1->Gemsom1->isEnabled());
    EXPECT_EQ(SaveFileTypes(), QStringList({"PNG-billede (*.png)", "PDF (*.pdf)"}));

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
    EXPECT_TRUE(Read(Save("uden-endelse") + ".csv").startsWith("Aldersgruppe,"));
    EXPECT_TRUE(Read(Save("tal.dat")).startsWith("Aldersgruppe,"));
    EXPECT_TRUE(Read(Save("tekst.txt")).startsWith("Klasse 7b\n")) << "the extension wins over the type";

    Save("billede.png");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Gem som");
    EXPECT_FALSE(QFile::exists(dir.filePath("billede.png")));
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
