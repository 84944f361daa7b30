// The lifetime graph on the view's offscreen picture: the click cursor drawn
// and erased on it, and the picture after OK.
#include "DialogRecorder.h"
#include "GuiHarness.h"
#include "OutputTestSupport.h"

#include "Lifetime.h"
#include "Output.h"
#include "ViewOutput.h"
#include "Unit2.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>

namespace {

// A fresh program showing the lifetime graph of one newborn man.
void ShowNewbornManGraph() {
    StartFresh();
    Form1->enPersonClick();
    Lifetime.AgeA = 0;
    Lifetime.SexCode = 'm';
    Lifetime.SexWordA = "Mand  ";
    Form2->ShowLifetimeGraph();
    QApplication::processEvents();
}

// On screen the cursor is drawn on the picture and removed again by drawing
// it a second time: the graph comes back exactly, without a redraw.
TEST(LifetimeGraph, CursorOnThePictureIsErasedExactly) {
    ShowNewbornManGraph();
    EXPECT_EQ(State.ClickX, 1);
    EXPECT_EQ(State.CursorLineX, 0);
    const QImage before = Form2->PaintBox1->Picture();
    ASSERT_GT(before.height(), 120);
    const QRgb graphPixel = before.pixel(270, 100);

    Form2->PaintBox1MouseUp(Qt::LeftButton, 270);
    const QImage with = Form2->PaintBox1->Picture();
    EXPECT_NE(with.pixel(270, 100), graphPixel) << "the line inverts what it crosses";
    EXPECT_EQ(with.pixel(269, 100), before.pixel(269, 100));

    Form2->PaintBox1MouseUp(Qt::LeftButton, 300);
    const QImage moved = Form2->PaintBox1->Picture();
    EXPECT_EQ(moved.pixel(270, 100), graphPixel);
    EXPECT_NE(moved.pixel(300, 100), before.pixel(300, 100));

    Form2->PaintBox1MouseUp(Qt::RightButton, 300);
    EXPECT_EQ(Form2->PaintBox1->Picture(), before);

    // A repaint draws the graph and the cursor at ClickX again.
    Form2->PaintBox1MouseUp(Qt::LeftButton, 300);
    Form2->PaintBox1->Redraw();
    EXPECT_NE(Form2->PaintBox1->Picture().pixel(300, 100), before.pixel(300, 100));
    EXPECT_EQ(State.CursorLineX, 300);
}

// Painting, copying and printing the graph draw on their canvas only: the
// result lines under it stay as OK told them, and the printout takes them
// from the model, not from the labels.
TEST(LifetimeGraph, DrawingChangesNothingButTheCanvas) {
    StartFresh();
    DialogRecorder dialogs;
    ASSERT_TRUE(ChooseLifetimePersons(45, 'm', 45, 'k'));
    Form2->ShowView();
    Form2->ShowLifetimeGraph();
    ASSERT_EQ(Form2->Panel4->height(), 85);
    ASSERT_EQ(Form2->Label5->text(), "Mand  :   45 år.    Medianlevetid: 80 år.");
    Form2->Label5->setText("x");
    Form2->Panel4->setFixedHeight(10);
    Lifetime.AgeA = 70;  // typed and left, not yet accepted with OK

    Form2->PaintBox1->Redraw();
    CopyView(Form2);
    PdfPrintAnswer answer;
    PrintView(Form2);
    EXPECT_EQ(Form2->Label5->text(), "x");
    EXPECT_EQ(Form2->Panel4->height(), 10);
    QStringList lines;
    for (const QString& line : PdfPageLines(answer.Path, 1)) lines << line.simplified();
    EXPECT_TRUE(lines.contains("A: Mand : 45 år. Medianlevetid: 80 år.")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains("B: Kvinde: 45 år. Medianlevetid: 84 år.")) << lines.join('|').toStdString();
    EXPECT_EQ(Lifetime.Shown.AgeA, 45) << "the graph shows the accepted ages";
}

// Starting the other mode changes the person count while the graph of the
// last result stays on show; a cursor moved then must still erase its old
// line whole, as long as it was drawn.
TEST(LifetimeGraph, ACursorMovedAfterAModeSwitchLeavesNoTrace) {
    StartFresh();
    ASSERT_TRUE(ChooseLifetimePersons(0, 'm', -1, 0));
    Form2->ShowView();
    Form2->ShowLifetimeGraph();
    Form2->PaintBox1MouseUp(Qt::LeftButton, 270);
    Form2->StartTwoPersons();
    Form2->PaintBox1MouseUp(Qt::LeftButton, 300);
    const QImage moved = Form2->PaintBox1->Picture();
    Form2->PaintBox1->Redraw();
    EXPECT_EQ(moved, Form2->PaintBox1->Picture());
}

// Pictures of a two-person table and graph for the README, when asked for.
TEST(LifetimeGraph, DISABLED_ReadmePictures) {
    const QString docs = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
    const QString dir = docs.isEmpty() ? QDir::tempPath() : docs;
    ProgramStart();
    State = ModelState();
    LoadAllData();
    Lifetime = LifetimeState();
    Form1->Topersoner1Click();
    Form2->Edit1->setText("45");
    Form2->Edit1Exit();
    Form2->Edit2->setText("m");
    Form2->Edit3->setText("40");
    Form2->Edit3Exit();
    Form2->Edit4->setText("k");
    Form2->Button1Click();
    QApplication::processEvents();
    EXPECT_TRUE(Form2->grab().save(QDir(dir).filePath("lifetime-two-person-table.png")));
    Form2->ShowLifetimeGraph();
    Form2->PaintBox1MouseUp(Qt::LeftButton, 250);
    QApplication::processEvents();
    EXPECT_TRUE(Form2->grab().save(QDir(dir).filePath("lifetime-two-person-graph.png")));
}

// Left and right on the focused graph move the cursor a year of age, from
// one year after the start, and stop at the graph's ends.
TEST(LifetimeGraph, ArrowKeysMoveTheCursorAYear) {
    ShowNewbornManGraph();
    Form2->PaintBox1->setFocus();
    const double ppy = Lifetime.PixelsPerYear;  // 4 pixels a year from age 0
    const auto at = [&](int years) { return 70 + static_cast<int>(std::nearbyint(years * ppy)); };
    struct Step { Qt::Key key; int years; };
    for (const Step& s : {Step{Qt::Key_Right, 1}, Step{Qt::Key_Right, 2}, Step{Qt::Key_Left, 1}, Step{Qt::Key_Left, 1}}) {
        QTest::keyClick(Form2->PaintBox1, s.key);
        EXPECT_EQ(State.ClickX, at(s.years));
        EXPECT_EQ(State.CursorLineX, State.ClickX);
    }
    for (int i = 0; i < 150; ++i) QTest::keyClick(Form2->PaintBox1, Qt::Key_Right);
    EXPECT_EQ(State.ClickX, at(120)) << "the last year inside the graph";
}

}  // namespace
