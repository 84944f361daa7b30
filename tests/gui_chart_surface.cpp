// The chart paint surfaces and their canvas: clean printed charts, a cursor
// that leaves the base line whole, and drawing that changes nothing but the
// canvas.
#include "DialogRecorder.h"
#include "GuiHarness.h"
#include "OutputTestSupport.h"

#include "ChartSurface.h"
#include "Lifetime.h"
#include "Output.h"
#include "ViewOutput.h"
#include "QtCanvas.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit8.h"

#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The census of `year` through the census menu, shown as its pyramid.
void CensusPyramid(DialogRecorder& dialogs, int32_t year) {
    dialogs.OnExec = [year](QDialog& dialog) {
        if (&dialog == Form8) State.BaseYear = year;
        return int(QDialog::Accepted);
    };
    Form1->Inddata2->trigger();
    Form1->Pyramide2->trigger();
}

// Bars that round to no width (the men of 90+ in 1840) must not reach the
// PDF as empty paths, which readers report as syntax errors.
TEST(PaintSurface, APrinted1840PyramidIsCleanPdf) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm missing";
    StartFresh();
    DialogRecorder dialogs;
    CensusPyramid(dialogs, 1840);
    ASSERT_EQ(State.DisplayMode, 12);
    PdfPrintAnswer answer;
    PrintView(Form4);
    ASSERT_EQ(PdfPageCount(answer.Path), 1);
    QProcess process;
    process.start("pdftoppm", {"-r", "20", "-png", answer.Path, answer.Dir.filePath("page")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), "");
}

// The cursor line ends on the chart's base line and leaves it whole; moved,
// it restores every pixel of its old place. Pyramid and total graph of a
// census, and the lifetime graph.
TEST(PaintSurface, TheCursorLeavesTheBaseLineWhole) {
    StartFresh();
    DialogRecorder dialogs;
    CensusPyramid(dialogs, 1840);
    struct Row {
        const char* name;
        QAction* chart;
        int baseY;
    };
    for (const Row& row : {Row{"pyramid", Form1->Pyramide2, 352}, Row{"total graph", Form1->Ialtgraf2, 352}}) {
        SCOPED_TRACE(row.name);
        row.chart->trigger();
        ChartPaintBox* box = Form4->ScrollBox1->PaintBox1;
        box->Redraw();
        const QImage before = box->Picture();
        ASSERT_EQ(before.pixel(450, row.baseY) & 0xFFFFFF, 0u) << "the base line under the click";
        Form4->Chart.PaintBox1MouseUp(true, 450, 200);
        const QImage with = box->Picture();
        EXPECT_EQ(with.pixel(450, row.baseY) & 0xFFFFFF, 0u);
        EXPECT_NE(with.pixel(450, row.baseY - 1), before.pixel(450, row.baseY - 1)) << "the line reaches the base line";
        Form4->Chart.PaintBox1MouseUp(true, 500, 200);
        const QImage moved = box->Picture();
        EXPECT_EQ(moved.copy(400, 0, 60, moved.height()), before.copy(400, 0, 60, before.height()));
    }

    ASSERT_TRUE(ChooseLifetimePersons(0, 'm', -1, 0));
    Form2->ShowView();
    Form2->ShowLifetimeGraph();
    const QImage before = Form2->PaintBox1->Picture();
    const int axisY = 50 + Form2->height() - 250;
    ASSERT_EQ(before.pixel(270, axisY) & 0xFFFFFF, 0u);
    Form2->PaintBox1MouseUp(Qt::LeftButton, 270);
    EXPECT_EQ(Form2->PaintBox1->Picture().pixel(270, axisY) & 0xFFFFFF, 0u);
    Form2->PaintBox1MouseUp(Qt::LeftButton, 300);
    EXPECT_EQ(Form2->PaintBox1->Picture().copy(260, 0, 20, axisY + 1), before.copy(260, 0, 20, axisY + 1));
}

// At any device pixel ratio an inverting line changes the picture, leaves
// the logical pixel of its end point alone and is gone when drawn again.
TEST(PaintSurface, InvertingLinesAtEveryRatio) {
    for (qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        QImage image((QSizeF(100, 100) * ratio).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        {
            QtCanvas canvas(&image);
            canvas.MoveTo(0, 80);
            canvas.LineTo(99, 80);  // a base line
        }
        const QImage before = image.copy();
        QtCanvas canvas(&image);
        canvas.SetPenMode(PenMode::Invert);
        canvas.MoveTo(40, 10);
        canvas.LineTo(40, 80);
        canvas.End();
        EXPECT_NE(image, before);
        int blackBefore = 0, blackAfter = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((before.pixel(x, y) & 0xFFFFFF) == 0) {
                    ++blackBefore;
                    blackAfter += (image.pixel(x, y) & 0xFFFFFF) == 0;
                }
        EXPECT_GT(blackBefore, 0);
        EXPECT_EQ(blackAfter, blackBefore) << "the base line stays whole";
        canvas.MoveTo(40, 10);
        canvas.LineTo(40, 80);
        canvas.End();
        EXPECT_EQ(image, before);
    }
}

}  // namespace
