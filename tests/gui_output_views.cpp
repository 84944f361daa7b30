// Printing and copying each view as the user starts them: from the views'
// tool bars and from the main menu, the table as text and the charts as
// printed pages and pictures.
#include "DialogRecorder.h"
#include "GuiHarness.h"
#include "OutputTestSupport.h"

#include "ChartSurface.h"
#include "Inddatp.h"
#include "Lifetime.h"
#include "ViewOutput.h"
#include "Overskr.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit8.h"

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QStringList Simplified(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) {
        const QString s = QString::fromStdString(line).simplified();
        if (!s.isEmpty()) out.append(s);
    }
    return out;
}

QStringList Simplified(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines) out.append(line.simplified());
    return out;
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out.append(QString::fromStdString(line));
    return out.join('\n');
}

// Pixels that differ between two pictures of the same size in column x,
// rows y1..y2.
int ChangedInColumn(const QImage& a, const QImage& b, int x, int y1, int y2) {
    int n = 0;
    for (int y = y1; y <= y2; ++y) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

class ViewOutputTest : public ::testing::Test {
public:
    DialogRecorder dialogs;

    void SetUp() override {
        ProgramStart();
        State = ModelState();
        LoadAllData();
        Lifetime = LifetimeState();
        HideViews();
        Form4->ResetCensusView();
        Form3->DisableProjectionActions();
        BtnBottomDlg->hide();
        savedHeading = Overskrif->HeadingText;
        Overskrif->HeadingText = "Klasse 7b";
    }
    void TearDown() override {
        Overskrif->HeadingText = savedHeading;
        HideViews();
        State.LifetimeViewActive = false;
    }

    // A projection from 2000 to 2030 with 1.8 children and retirement at 67,
    // through the main menu's "Inddata"; the table is on show.
    void Project() {
        ProjectThroughMenu(dialogs, 2000);
        ASSERT_TRUE(State.InputsAccepted);
        ASSERT_EQ(State.DisplayMode, 1);
    }

    // The census of `year` through the census menu's "Inddata"; its table is on show.
    void Census(int32_t year) {
        dialogs.OnExec = [year](QDialog& dialog) {
            if (&dialog == Form8) State.BaseYear = year;
            return int(QDialog::Accepted);
        };
        Form1->Inddata2->trigger();
        ASSERT_EQ(State.DisplayMode, 11);
    }

    // One person (or A and B) through the lifetime menu, then OK.
    void Lifetimes(const QString& ageA, const QString& sexA, const QString& ageB = {}, const QString& sexB = {}) {
        const bool two = !ageB.isEmpty();
        if (two) Form1->Topersoner1Click();
        else Form1->enPersonClick();
        // An age is taken when its field is left.
        Form2->Edit1->setText(ageA);
        Form2->Edit1Exit();
        Form2->Edit2->setText(sexA);
        if (two) {
            Form2->Edit3->setText(ageB);
            Form2->Edit3Exit();
            Form2->Edit4->setText(sexB);
        }
        Form2->Button1->click();
        ASSERT_TRUE(State.LifetimeViewActive);
        ASSERT_EQ(Lifetime.AgeA, ageA.toInt());
        if (two) {
            ASSERT_EQ(Lifetime.AgeB, ageB.toInt());
        }
        ASSERT_FALSE(Form2->StringGrid1->isHidden());
    }

    static QStringList HeadingAndTable() {
        return QStringList{"Klasse 7b"} + Simplified(State.TableLines);
    }

    QString savedHeading;
};

// ---- Text printouts of the tables --------------------------------------------

TEST_F(ViewOutputTest, EachViewPrintsItsTableUnderTheHeading) {
    struct Row {
        const char* Name;
        std::function<void(ViewOutputTest&)> Show;
        QToolButton* (*PrintButton)();
    };
    const Row rows[] = {
        {"projection", [](ViewOutputTest& t) { t.Project(); }, [] { return Form3->SpeedButton7; }},
        {"census 1840", [](ViewOutputTest& t) { t.Census(1840); }, [] { return Form4->SpeedButton5; }},
        {"census history", [](ViewOutputTest&) { Form1->Middellevetid1->trigger(); },
         [] { return Form4->SpeedButton5; }},
        {"lifetime, one person", [](ViewOutputTest& t) { t.Lifetimes("40", "k"); },
         [] { return Form2->SpeedButton1; }},
        {"lifetime, two persons", [](ViewOutputTest& t) { t.Lifetimes("20", "m", "70", "k"); },
         [] { return Form2->SpeedButton1; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Show(*this);
        if (HasFatalFailure()) return;
        ASSERT_FALSE(State.TableLines.empty());
        PdfPrintAnswer answer;
        row.PrintButton()->click();
        EXPECT_EQ(answer.Dialogs, 1);
        std::vector<std::string> expected = {"Klasse 7b", " "};
        expected.insert(expected.end(), State.TableLines.begin(), State.TableLines.end());
        EXPECT_EQ(State.PrintLines, expected);
        ASSERT_EQ(PdfPageCount(answer.Path), 1);
        EXPECT_EQ(Simplified(PdfPageLines(answer.Path, 1)), HeadingAndTable());
        const QString docs = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
        if (!docs.isEmpty() && row.PrintButton() == Form3->SpeedButton7)
            RunTool("pdftoppm", {"-png", "-r", "60", "-singlefile", answer.Path, QDir(docs).filePath("printout-table")});
    }
}

TEST_F(ViewOutputTest, PrintViewFollowsWhatTheViewShows) {
    struct Row {
        const char* Name;
        int32_t Mode;
        bool Projection;
        int Dialogs;  // 0: nothing printed
        QString FirstWordAfterHeading;
    };
    const Row rows[] = {
        {"projection, nothing", 0, true, 0, ""},
        {"projection, table", 1, true, 1, "Alder"},
        {"projection, pyramid", 2, true, 1, "PROGNOSE"},
        {"projection, total graph", 3, true, 1, "PROGNOSE"},
        {"projection, table after a continuation", 4, true, 1, "Alder"},
        {"projection, a census mode", 12, true, 0, ""},
        {"census, nothing", 0, false, 0, ""},
        {"census, table", 11, false, 1, "Alder"},
        {"census, pyramid", 12, false, 1, "Folketælling"},
        {"census, total graph", 13, false, 1, "Folketælling"},
        {"census, a projection mode", 2, false, 0, ""},
    };
    Project();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        if (!row.Projection && State.TargetYear != 1901) {
            Census(1901);
            ASSERT_EQ(State.TargetYear, 1901);
        }
        State.DisplayMode = row.Mode;
        PdfPrintAnswer answer;
        if (row.Projection) PrintView(Form3);
        else PrintView(Form4);
        EXPECT_EQ(answer.Dialogs, row.Dialogs);
        if (row.Dialogs == 0) continue;
        ASSERT_EQ(PdfPageCount(answer.Path), 1);
        const QStringList lines = PdfPageLines(answer.Path, 1);
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[0], "Klasse 7b");
        EXPECT_TRUE(lines[1].startsWith(row.FirstWordAfterHeading)) << lines[1].toStdString();
    }
}

// ---- Chart printouts ---------------------------------------------------------

TEST_F(ViewOutputTest, APrintedPyramidIsOnePageWithTheHeadingInTheCornerOfThePaper) {
    Project();
    Form1->Pyramide1->trigger();
    ASSERT_EQ(State.DisplayMode, 2);
    State.PrintLines = {"left from before"};
    PdfPrintAnswer answer(QSizeF(11.69, 8.27), 300);  // A4 across
    Form1->Udskriv1->trigger();
    ASSERT_EQ(answer.Dialogs, 1);
    ASSERT_EQ(PdfPageCount(answer.Path), 1);
    const auto words = PdfPageWords(answer.Path, 1);
    const PdfWord* heading = FindWord(words, "Klasse");
    const PdfWord* title = FindWord(words, "PROGNOSE");
    ASSERT_TRUE(heading && title);
    EXPECT_NEAR(heading->XMin, 10 * 72.0 / 300, 1.0) << "10 printer pixels from the left";
    // The drawing fills the page's height: 480 units on 8.27 inches.
    const double points = 8.27 * 72 / 480;
    EXPECT_NEAR(title->XMin, 150 * points, 2.0);
    for (const char* word : {"Mænd", "Kvinder", "Alder"}) EXPECT_TRUE(FindWord(words, word)) << word;
    EXPECT_TRUE(State.PrintLines.empty());

    const QString docs = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
    if (!docs.isEmpty())
        RunTool("pdftoppm", {"-png", "-r", "60", "-singlefile", answer.Path, QDir(docs).filePath("printout-pyramid")});
}

TEST_F(ViewOutputTest, ThePrintedLifetimeGraphHasACurveArea230UnitsHighForOnePersonAnd180ForTwo) {
    struct Row {
        const char* Name;
        QString AgeA, SexA, AgeB, SexB;
        int CurveHeight;
    };
    const Row rows[] = {
        {"one person", "0", "m", "", "", 230},
        {"two persons", "20", "m", "70", "k", 180},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Lifetimes(row.AgeA, row.SexA, row.AgeB, row.SexB);
        if (HasFatalFailure()) return;
        Form1->Graf1->trigger();
        ASSERT_TRUE(Form2->StringGrid1->isHidden());
        PdfPrintAnswer answer(QSizeF(8, 11), 300);  // 640 units on 8 inches
        Form2->SpeedButton1->click();
        ASSERT_EQ(PdfPageCount(answer.Path), 1);
        const auto words = PdfPageWords(answer.Path, 1);
        const double points = 8.0 * 72 / 640;
        const PdfWord* heading = FindWord(words, "Klasse");
        const PdfWord* hundred = FindWord(words, "100%");
        const PdfWord* age = FindWord(words, "Alder");
        ASSERT_TRUE(heading && hundred && age);
        EXPECT_NEAR(heading->XMin, 10 * points, 1.5) << "at (10, 10) of the scaled drawing";
        EXPECT_NEAR(heading->YMin, 10 * points, 4 * points);
        // "100%" stands 10 above the top of the curve area, "Alder" 5 below its bottom.
        EXPECT_NEAR(age->YMin - hundred->YMin, (row.CurveHeight + 15) * points, 2 * points);
        EXPECT_TRUE(FindWord(words, "Medianlevetid:")) << "the result lines are printed under the graph";

        const QString docs = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
        if (!docs.isEmpty() && row.CurveHeight == 180)
            RunTool("pdftoppm",
                    {"-png", "-r", "60", "-singlefile", answer.Path, QDir(docs).filePath("printout-lifetime")});
    }
}

TEST_F(ViewOutputTest, UdskrivPrintsTheViewInFront) {
    Project();
    Form1->Pyramide1->trigger();
    struct Row {
        const char* Name;
        std::function<void()> Arrange;
        QString Expected;  // a word of the printout
    };
    const Row rows[] = {
        {"the projection view", [] {}, "PROGNOSE"},
        {"the lifetime view over it", [this] { Lifetimes("30", "m"); }, "Levetidstabel"},
        {"the lifetime view's graph", [] { Form1->Graf1->trigger(); }, "Levechance"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Arrange();
        PdfPrintAnswer answer;
        Form1->Udskriv1Click();
        ASSERT_EQ(answer.Dialogs, 1);
        EXPECT_TRUE(FindWord(PdfPageWords(answer.Path, 1), row.Expected));
    }
}

TEST_F(ViewOutputTest, AContinuedTablePrintsAndCopiesAsAfterInddata) {
    Project();
    dialogs.OnExec = [](QDialog& dialog) {
        if (&dialog != BtnBottomDlg) return int(QDialog::Rejected);
        dialog.show();
        BtnBottomDlg->OKBtn->click();  // the next year is proposed
        dialog.hide();
        return dialog.result();
    };
    Form1->Fortst1->trigger();
    ASSERT_EQ(State.DisplayMode, 4);
    ASSERT_EQ(State.TargetYear, 2031);
    const QString title = "PROGNOSE  for året 2031";
    // The table on show, in TableLines as after "Inddata".
    ASSERT_EQ(State.TableLines.size(), 22u);

    PdfPrintAnswer answer;
    Form1->Udskriv1Click();
    ASSERT_EQ(answer.Dialogs, 1);
    EXPECT_TRUE(Simplified(PdfPageLines(answer.Path, 1)).join('\n').contains(title.simplified()));
    EXPECT_TRUE(Joined(State.PrintLines).contains(title));

    ActiveView = 2;
    Form1->KopiertilKlippebordet1->trigger();
    ActiveView = 0;
    EXPECT_TRUE(QApplication::clipboard()->text().contains(title));

    // A continuation cancelled from the pyramid leaves nothing to print.
    Form1->Pyramide1->trigger();
    dialogs.OnExec = [](QDialog& dialog) {
        dialog.show();
        BtnBottomDlg->CancelBtn->click();
        dialog.hide();
        return dialog.result();
    };
    Form1->Fortst1->trigger();
    ASSERT_TRUE(Form3->Memo2->isHidden());
    ASSERT_EQ(State.DisplayMode, 4);
    PdfPrintAnswer none;
    Form1->Udskriv1Click();
    EXPECT_EQ(none.Dialogs, 0);
}

// ---- Copies ------------------------------------------------------------------

TEST_F(ViewOutputTest, KopierCopiesTheTableOfTheMenuOpenedLast) {
    struct Row {
        const char* Name;
        std::function<void(ViewOutputTest&)> Show;
        int32_t Menu;
    };
    const Row rows[] = {
        {"projection", [](ViewOutputTest& t) { t.Project(); }, 2},
        {"census", [](ViewOutputTest& t) { t.Census(1787); }, 3},
        {"lifetime", [](ViewOutputTest& t) { t.Lifetimes("50", "k"); }, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Show(*this);
        if (HasFatalFailure()) return;
        QApplication::clipboard()->setText("før");
        ActiveView = row.Menu;
        Form1->KopiertilKlippebordet1->trigger();
        const QString expected = "Klasse 7b\n \n" + Joined(State.TableLines);
        EXPECT_EQ(QApplication::clipboard()->text(), expected);
        EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasHtml());
        EXPECT_EQ(Form1->Memo1->toPlainText(), expected);
    }
    ActiveView = 0;
}

TEST_F(ViewOutputTest, ACopiedChartIsThePaintBoxAndEightyPixelsWithTheUsersCursor) {
    struct Row {
        const char* Name;
        std::function<void(ViewOutputTest&)> Show;
        QToolButton* (*CopyButton)();
        QWidget* (*PaintBox)();
        std::function<void(int x)> Click;
        int ClickX, LineTop, LineBottom;
    };
    const Row rows[] = {
        {"projection pyramid",
         [](ViewOutputTest& t) {
             t.Project();
             Form1->Pyramide1->trigger();
         },
         [] { return Form3->SpeedButton9; }, [] { return static_cast<QWidget*>(Form3->ScrollBox1->PaintBox1); },
         [](int x) { Form3->PaintBox1MouseUp(true, x, 100); }, 450, 80, 340},
        {"census total graph",
         [](ViewOutputTest& t) {
             t.Census(1901);
             Form1->Ialtgraf2->trigger();
         },
         [] { return Form4->SpeedButton7; }, [] { return static_cast<QWidget*>(Form4->ScrollBox1->PaintBox1); },
         [](int x) { Form4->ScrollBox1->Chart()->PaintBox1MouseUp(true, x, 100); }, 300, 200, 340},
        {"lifetime graph",
         [](ViewOutputTest& t) {
             t.Lifetimes("0", "m");
             Form1->Graf1->trigger();
         },
         [] { return Form2->SpeedButton5; }, [] { return static_cast<QWidget*>(Form2->PaintBox1); },
         [](int x) { Form2->PaintBox1MouseUp(Qt::LeftButton, x); }, 270, 55, 200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Show(*this);
        if (HasFatalFailure()) return;
        const QSize box = row.PaintBox()->size();
        ASSERT_GT(box.width(), row.ClickX);

        row.CopyButton()->click();
        const QImage plain = QApplication::clipboard()->image();
        EXPECT_EQ(plain.size(), QSize(box.width(), box.height() + 80));
        EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasText()) << "the picture replaced the text";

        row.Click(row.ClickX);
        ASSERT_EQ(State.CursorLineX, row.ClickX);
        row.CopyButton()->click();
        const QImage withCursor = QApplication::clipboard()->image().convertToFormat(plain.format());
        ASSERT_EQ(withCursor.size(), plain.size());
        EXPECT_GE(ChangedInColumn(plain, withCursor, row.ClickX, row.LineTop, row.LineBottom),
                  (row.LineBottom - row.LineTop) * 9 / 10)
            << "the cursor line";
        EXPECT_EQ(ChangedInColumn(plain, withCursor, row.ClickX - 30, row.LineTop, row.LineBottom), 0);
        const QString docs = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
        if (!docs.isEmpty() && row.PaintBox() == Form2->PaintBox1)
            withCursor.save(QDir(docs).filePath("clipboard-lifetime.png"));
        row.Click(1);
    }
}

}  // namespace
