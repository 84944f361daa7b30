// Text printouts page by page, the heading rules, chart printouts scaled to
// the page and copies to the clipboard, through PDF files read back with
// poppler's tools.
#include "DialogRecorder.h"
#include "GuiHarness.h"
#include "OutputTestSupport.h"

#include "ViewOutput.h"
#include "Overskr.h"
#include "QtCanvas.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>

#include <cmath>

namespace {

class OutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramStart();
        State = ModelState();
        LoadAllData();
        savedHeading = Overskrif->HeadingText;
        Overskrif->HeadingText.clear();
    }
    void TearDown() override { Overskrif->HeadingText = savedHeading; }

    static std::vector<std::string> NumberedLines(int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i) lines.push_back("Linje " + std::to_string(i));
        return lines;
    }

    // A page on which exactly `lines` text lines fit between the margins.
    static QSizeF PageFor(int lines, int resolution) {
        PdfPrintAnswer probe(QSizeF(8.5, 11), resolution);
        probe.Setup(Printer());
        const TextPageLayout layout = MeasureTextPage(Printer(), 0);
        const double pixels = 2 * layout.TopMargin + lines * layout.LineHeight + layout.LineHeight / 2.0;
        return QSizeF(8.5, pixels / resolution);
    }

    QString savedHeading;
};

// ---- Page layout -----------------------------------------------------------

TEST_F(OutputTest, TextLayoutIsCourierNewBoldTenPointWithInchMarginsAtAnyResolution) {
    for (int resolution : {72, 150, 300, 600, 1200}) {
        SCOPED_TRACE(resolution);
        PdfPrintAnswer answer(QSizeF(8.5, 11), resolution);
        answer.Setup(Printer());
        const TextPageLayout layout = MeasureTextPage(Printer(), 10);
        EXPECT_EQ(layout.LeftMargin, resolution / 2);
        EXPECT_EQ(layout.TopMargin, resolution);
        EXPECT_EQ(layout.BottomMargin, resolution);
        EXPECT_EQ(layout.PrintableHeight, 11 * resolution - 2 * resolution);
        // Ten points are 10/72 inch; the line is the font's full height.
        const double em = 10.0 * resolution / 72.0;
        EXPECT_GE(layout.LineHeight, std::floor(em));
        EXPECT_LE(layout.LineHeight, std::ceil(1.3 * em));
    }
    const QFont font = PrintTextFont();
    EXPECT_EQ(font.family(), "Courier New");
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSize(), 10);
}

TEST_F(OutputTest, APageTooShortForOneLineStillTakesOneLinePerPage) {
    // A few pixels between the margins: the line still goes on the page.
    PdfPrintAnswer answer(QSizeF(4, 2.05), 300);
    answer.Setup(Printer());
    ASSERT_EQ(MeasureTextPage(Printer(), 3).LinesPerPage, 1);

    State.PrintLines = NumberedLines(3);
    PrintPages(nullptr, State.PrintLines);
    ASSERT_EQ(PdfPageCount(answer.Path), 3);
    for (int p = 1; p <= 3; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(PdfPageLines(answer.Path, p), QStringList{QString("Linje %1").arg(p)});
    }
}

// ---- Text printouts --------------------------------------------------------

TEST_F(OutputTest, SeventyLinesOnSixtyLinePagesGiveTwoPagesWithTenOnTheSecond) {
    PdfPrintAnswer answer(PageFor(60, 300), 300);
    State.PrintLines = NumberedLines(70);
    PrintPages(nullptr, State.PrintLines);
    EXPECT_EQ(answer.Dialogs, 1);
    ASSERT_EQ(PdfPageCount(answer.Path), 2);
    const QStringList first = PdfPageLines(answer.Path, 1);
    const QStringList second = PdfPageLines(answer.Path, 2);
    ASSERT_EQ(first.size(), 60);
    EXPECT_EQ(first.front(), "Linje 1");
    EXPECT_EQ(first.back(), "Linje 60");
    ASSERT_EQ(second.size(), 10);
    EXPECT_EQ(second.front(), "Linje 61");
    EXPECT_EQ(second.back(), "Linje 70");
}

TEST_F(OutputTest, ExactlySixtyLinesFillOnePage) {
    PdfPrintAnswer answer(PageFor(60, 300), 300);
    State.PrintLines = NumberedLines(60);
    PrintPages(nullptr, State.PrintLines);
    ASSERT_EQ(PdfPageCount(answer.Path), 1);
    EXPECT_EQ(PdfPageLines(answer.Path, 1).size(), 60);
}

TEST_F(OutputTest, APageRangePrintsOnlyItsPages) {
    struct Row {
        const char* Name;
        int From, To;
        QStringList FirstLines;  // of each printed page
    };
    const Row rows[] = {
        {"the middle page", 2, 2, {"Linje 61"}},
        {"running past the end", 2, 9, {"Linje 61", "Linje 121"}},
        {"beyond the printout", 4, 5, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        DialogRecorder dialogs;
        PdfPrintAnswer answer(PageFor(60, 300), 300);
        answer.FromPage = row.From;
        answer.ToPage = row.To;
        State.PrintLines = NumberedLines(150);
        PrintPages(nullptr, State.PrintLines);
        EXPECT_TRUE(dialogs.Messages.empty());
        ASSERT_EQ(PdfPageCount(answer.Path), row.FirstLines.size());
        for (int p = 1; p <= row.FirstLines.size(); ++p)
            EXPECT_EQ(PdfPageLines(answer.Path, p).value(0), row.FirstLines[p - 1]);
    }

    // A chart is page 1 of one.
    for (int from : {1, 2}) {
        SCOPED_TRACE(from);
        DialogRecorder dialogs;
        PdfPrintAnswer answer;
        answer.FromPage = answer.ToPage = from;
        bool drawn = false;
        PrintChart(nullptr, "Klasse 7b", QFont("Courier New"), ChartHeading::ChartSpace,
                   [&](Canvas&) { drawn = true; });
        EXPECT_EQ(drawn, from == 1);
        EXPECT_EQ(QFileInfo::exists(answer.Path), from == 1);
        EXPECT_TRUE(dialogs.Messages.empty());
    }
}

TEST_F(OutputTest, LinesStandAtTheMarginsOneLineHeightApart) {
    PdfPrintAnswer answer(QSizeF(8.5, 11), 300);
    State.PrintLines = {"Alfa", "Beta", "Gamma"};
    PrintPages(nullptr, State.PrintLines);
    answer.Setup(Printer());
    const double lineHeight = MeasureTextPage(Printer(), 3).LineHeight * 72.0 / 300;
    const auto words = PdfPageWords(answer.Path, 1);
    const PdfWord* alfa = FindWord(words, "Alfa");
    const PdfWord* beta = FindWord(words, "Beta");
    const PdfWord* gamma = FindWord(words, "Gamma");
    ASSERT_TRUE(alfa && beta && gamma);
    EXPECT_NEAR(alfa->XMin, 36, 1.5);  // half an inch
    EXPECT_NEAR(alfa->YMin, 72, 3);    // one inch
    EXPECT_NEAR(beta->YMin - alfa->YMin, lineHeight, 0.5);
    EXPECT_NEAR(gamma->YMin - beta->YMin, lineHeight, 0.5);
}

TEST_F(OutputTest, ALineWiderThanThePaperIsNeitherWrappedNorCut) {
    PdfPrintAnswer answer(QSizeF(4, 11), 300);
    const std::string wide = "Start" + std::string(120, 'x') + "Slut";
    State.PrintLines = {wide, "Efter"};
    PrintPages(nullptr, State.PrintLines);
    // What runs off the paper is not on the page to read back; what is on it
    // reaches the paper's edge, and nothing of the line is wrapped below it.
    const auto words = PdfPageWords(answer.Path, 1);
    ASSERT_EQ(words.size(), 2u) << "the wide line stays one line";
    EXPECT_TRUE(words[0].Text.startsWith("Startxxxx"));
    EXPECT_GT(words[0].XMax, 4 * 72 - 8) << "printed up to the edge of the 4 inch paper";
    EXPECT_EQ(words[1].Text, "Efter");
    answer.Setup(Printer());
    const double lineHeight = MeasureTextPage(Printer(), 2).LineHeight * 72.0 / 300;
    EXPECT_NEAR(words[1].YMin - words[0].YMin, lineHeight, 0.5) << "the next line follows at once";
}

TEST_F(OutputTest, CancellingThePrintDialogPrintsNothing) {
    PdfPrintAnswer answer;
    answer.Answer = false;
    State.PrintLines = NumberedLines(5);
    PrintPages(nullptr, State.PrintLines);
    EXPECT_EQ(answer.Dialogs, 1);
    EXPECT_FALSE(QFileInfo::exists(answer.Path));
    EXPECT_EQ(State.PrintLines.size(), 5u);
}

TEST_F(OutputTest, APrinterThatCannotStartIsReportedAndPrintsNothing) {
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/printout.pdf");
    SetPrintDialogFunction([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    State.PrintLines = NumberedLines(5);
    PrintPages(nullptr, State.PrintLines);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Udskriv");
    EXPECT_FALSE(QFileInfo::exists(path));

    // A printer that is not there.
    dialogs.Messages.clear();
    SetPrintDialogFunction([&](QPrinter& printer, QWidget*) {
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName("Ingen printer her");
        return true;
    });
    PrintPages(nullptr, State.PrintLines);
    EXPECT_EQ(dialogs.Messages.size(), 1u);

    // The same for a chart printout.
    SetPrintDialogFunction([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    dialogs.Messages.clear();
    bool drawn = false;
    PrintChart(nullptr, QString(), QFont("Courier New"), ChartHeading::ChartSpace, [&](Canvas&) { drawn = true; });
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_FALSE(drawn);
    EXPECT_FALSE(QFileInfo::exists(path));

    // A failure leaves no trace on the next printout.
    dialogs.Messages.clear();
    PdfPrintAnswer answer;
    State.PrintLines = NumberedLines(5);
    PrintPages(nullptr, State.PrintLines);
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(answer.Dialogs, 1);
    EXPECT_TRUE(QFileInfo::exists(answer.Path));
    EXPECT_EQ(PdfPageLines(answer.Path, 1).size(), 5);
}

// ---- The heading -----------------------------------------------------------

TEST_F(OutputTest, TheHeadingIsUsedWhenItSortsAfterOneBlank) {
    struct Row {
        const char* Name;
        QString Heading;
        bool Used;
    };
    const Row rows[] = {
        {"empty", "", false},
        {"one blank", " ", false},
        {"a tab sorts before a blank", "\t", false},
        {"two blanks", "  ", true},
        {"a name", "Klasse 7b", true},
        {"leading blank and a letter", " a", true},
        {"Danish letters", "Æbletræ", true},
    };
    State.TableLines = {"Tabel 1", "Tabel 2"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Overskrif->HeadingText = row.Heading;
        EXPECT_EQ(HeadingUsed(), row.Used);
        PreparePrintLines();
        std::vector<std::string> expected;
        if (row.Used) expected = {row.Heading.toStdString(), " "};
        expected.push_back("Tabel 1");
        expected.push_back("Tabel 2");
        EXPECT_EQ(State.PrintLines, expected);
    }
}

// ---- Chart printouts -------------------------------------------------------

TEST_F(OutputTest, AChartPrintoutIsOnePageScaledEquallyAcrossAndDown) {
    struct Row {
        const char* Name;
        QSizeF Page;  // inches
        double Scale;  // printer pixels per drawing unit at 300 per inch
    };
    const Row rows[] = {
        {"portrait: the width decides", QSizeF(8, 11), 8 * 300 / 640.0},
        {"landscape: the height decides", QSizeF(11, 6), 6 * 300 / 480.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        PdfPrintAnswer answer(row.Page, 300);
        QFont font("Courier New");
        font.setPixelSize(13);
        font.setBold(true);
        PrintChart(nullptr, "Klasse 7b", font, ChartHeading::ChartSpace, [](Canvas& canvas) {
            EXPECT_TRUE(canvas.IsPrinter());
            canvas.TextOut(600, 400, "Hjørne");
            canvas.MoveTo(0, 0);
            canvas.LineTo(640, 480);
        });
        ASSERT_EQ(PdfPageCount(answer.Path), 1);
        const auto words = PdfPageWords(answer.Path, 1);
        const double points = row.Scale * 72.0 / 300;  // points per drawing unit
        const PdfWord* corner = FindWord(words, "Hjørne");
        const PdfWord* heading = FindWord(words, "Klasse");
        ASSERT_TRUE(corner && heading);
        EXPECT_NEAR(corner->XMin, 600 * points, 1.0);
        EXPECT_NEAR(corner->YMin, 400 * points, 0.3 * 13 * points);
        EXPECT_NEAR(heading->XMin, 10 * points, 1.0);
        EXPECT_NEAR(heading->YMin, 10 * points, 0.3 * 13 * points);
        // The font grows with the drawing: 13 units high.
        EXPECT_NEAR(corner->YMax - corner->YMin, 13 * points, 0.35 * 13 * points);
    }
}

// ---- The clipboard -----------------------------------------------------------

TEST_F(OutputTest, TextCopiesGoThroughMemo1AsPlainAndRichTextReplacingTheClipboard) {
    struct Row {
        const char* Name;
        QString Heading;
        QString Expected;
    };
    const Row rows[] = {
        {"no heading", "", "Tabel 1\n  Tabel <2>"},
        {"one blank", " ", "Tabel 1\n  Tabel <2>"},
        {"two blanks", "  ", "  \n \nTabel 1\n  Tabel <2>"},
        {"a heading", "Klasse 7b", "Klasse 7b\n \nTabel 1\n  Tabel <2>"},
    };
    State.TableLines = {"Tabel 1", "  Tabel <2>"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        QApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
        Overskrif->HeadingText = row.Heading;
        CopyTableLines();
        EXPECT_EQ(Form1->Memo1->toPlainText(), row.Expected);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        ASSERT_TRUE(data);
        EXPECT_FALSE(data->hasImage()) << "the picture was replaced";
        EXPECT_EQ(data->text(), row.Expected);
        ASSERT_TRUE(data->hasHtml());
        EXPECT_TRUE(data->html().contains("Courier New"));
        EXPECT_TRUE(data->html().contains("Tabel &lt;2&gt;")) << "a table line is text, never markup";
    }
    EXPECT_TRUE(Form1->Memo1->isHidden());
}

TEST_F(OutputTest, AChartPictureIsThePaintBoxAndEightyPixelsMoreInCourierNew) {
    QString family;
    const QImage picture = ChartPicture(QSize(300, 200), [&](Canvas& canvas) {
        family = static_cast<QtCanvas&>(canvas).Font().family();
        EXPECT_FALSE(canvas.IsPrinter());
        canvas.MoveTo(10, 270);
        canvas.LineTo(100, 270);
    });
    EXPECT_EQ(picture.size(), QSize(300, 280));
    EXPECT_EQ(family, "Courier New");
    EXPECT_EQ(picture.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(50, 270), qRgb(0, 0, 0));
}

}  // namespace

namespace {

// Without any printer installed the print dialog still offers a PDF file,
// and never a page range or a selection.
TEST(PrintDialog, OffersAFileWithoutPageRangeOrSelection) {
    ProgramStart();
    DialogRecorder dialogs;
    dialogs.UseProgramPrintDialog();
    bool seen = false;
    dialogs.OnExec = [&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (!print) return int(QDialog::Rejected);
        seen = true;
        EXPECT_TRUE(print->testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintCurrentPage));
        EXPECT_EQ(print->printRange(), QAbstractPrintDialog::AllPages);
        // The printer list is filled when the dialog shows.
        print->show();
        const auto* printers = print->findChild<QComboBox*>("printers");
        EXPECT_TRUE(printers && printers->findText("PDF", Qt::MatchContains) >= 0) << "a PDF file is offered";
        print->hide();
        return int(QDialog::Rejected);
    };
    State.PrintLines = {"Linje"};
    PrintPages(nullptr, State.PrintLines);
    EXPECT_TRUE(seen);
}

}  // namespace
