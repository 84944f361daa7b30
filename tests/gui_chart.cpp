// The population charts in pixels: on the chart surface, the QPainter canvas,
// the clipboard picture and the printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "ChartFixture.h"
#include "ChartSurface.h"
#include "GuiHarness.h"
#include "Output.h"
#include "QtCanvas.h"

namespace {

// ---- Pixels on the chart surface -------------------------------------------

class ChartSurfaceTest : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        surface = std::make_unique<ChartSurface>();
        surface->resize(700, 520);
        surface->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(surface.get()));
    }
    void TearDown() override { surface.reset(); }

    void Use(PopulationChart& chart) {
        surface->SetChart(&chart);
        State.CursorLineX = 0;
        State.ClickX = 1;
        surface->Redraw();
    }
    void Click(int x, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(surface->PaintBox1, button, {}, QPoint(x, 200));
    }

    std::unique_ptr<ChartSurface> surface;
};

int ChangedPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST_F(ChartSurfaceTest, ClicksOutOfRangeChangeNothing) {
    CensusState(1840);
    PopulationChart chart(CensusChartView);
    struct Row {
        const char* name;
        int32_t mode;
        int32_t x;
    };
    const Row rows[] = {{"pyramid axis", 12, 392}, {"left of the total graph", 13, 150}};
    for (const Row& r : rows) {
        State.DisplayMode = r.mode;
        Use(chart);
        const QImage plain = surface->Picture();
        Click(r.x);
        EXPECT_EQ(ChangedPixels(plain, surface->Picture()), 0) << r.name;
        Click(450);
        EXPECT_GT(ChangedPixels(plain, surface->Picture()), 0) << r.name;
        Click(r.x);  // removes the cursor again, completely
        EXPECT_EQ(ChangedPixels(plain, surface->Picture()), 0) << r.name;
        EXPECT_EQ(State.CursorLineX, 0) << r.name;
    }
}

// The clipboard picture is drawn from the same state, but the screen's
// cursor, ClickX and scroll bookkeeping stay as they were, even when the
// screen has scrolled since its last paint.
TEST_F(ChartSurfaceTest, CopyingAPictureLeavesTheScreenAlone) {
    CensusState(1901);
    PopulationChart chart(CensusChartView);
    for (int32_t mode : {12, 13}) {
        State.DisplayMode = mode;
        Use(chart);
        Click(450);
        ASSERT_EQ(State.CursorLineX, 450);
        const QImage screen = surface->Picture();
        State.SavedScrollPos = surface->VerticalScrollPos() + 5;
        const QImage picture = ChartPicture(surface->PaintBox1->size(), [&](Canvas& canvas) {
            chart.DrawView(canvas);
            chart.DrawCurrentCursor(canvas);
        });
        EXPECT_EQ(State.ClickX, 450) << mode;
        EXPECT_EQ(State.CursorLineX, 450) << mode;
        EXPECT_EQ(State.SavedScrollPos, surface->VerticalScrollPos() + 5) << mode;
        EXPECT_EQ(ChangedPixels(screen, surface->Picture()), 0) << mode;
        EXPECT_EQ(picture.pixel(450, 200) & 0xFFFFFF, 0u) << mode << ": the picture has the cursor";
    }
}

TEST_F(ChartSurfaceTest, ClickWritesTheCountUnderAnInvertedLine) {
    CensusState(1840);
    PopulationChart chart(CensusChartView);
    Use(chart);
    State.ChartUnit = 833.3;
    surface->Redraw();
    const QImage plain = surface->Picture();
    Click(492);
    const QImage clicked = surface->Picture();

    // What the click must add: the inverted line and "83000" in the chart font.
    QImage expected = plain.copy();
    {
        QtCanvas canvas(&expected);
        canvas.SetFont("Courier New", 13, false, true);
        canvas.SetPenMode(PenMode::Invert);
        canvas.MoveTo(492, 74);
        canvas.LineTo(492, 352);
        canvas.SetPenMode(PenMode::Copy);
        canvas.TextOut(492, 390, "83000");
    }
    EXPECT_EQ(ChangedPixels(clicked, expected), 0);
    // The line inverts: white turns black.
    EXPECT_EQ(clicked.pixel(492, 200), qRgb(0, 0, 0));
    int dark = 0;
    for (int y = 390; y < 406; ++y)
        for (int x = 492; x < 557; ++x) dark += qGray(clicked.pixel(x, y)) < 128;
    EXPECT_GT(dark, 20) << "the count is written";
}

TEST_F(ChartSurfaceTest, SecondClickLeavesNoTraceOfTheFirst) {
    struct Row {
        const char* name;
        bool projection;
        int32_t mode;
        int32_t first, second;
    };
    const Row rows[] = {
        {"census pyramid", false, 12, 450, 520},
        {"census pyramid, overlapping counts", false, 12, 300, 310},
        {"census total graph", false, 13, 560, 300},
        {"projection pyramid", true, 2, 250, 480},
        {"projection total graph", true, 3, 200, 230},
    };
    for (const Row& r : rows) {
        if (r.projection) ProjectionState();
        else CensusState(1840);
        State.DisplayMode = r.mode;
        PopulationChart chart(r.projection ? ProjectionChartView : CensusChartView);
        Use(chart);
        const QImage plain = surface->Picture();
        Click(r.second);
        const QImage onlySecond = surface->Picture();

        Use(chart);
        EXPECT_EQ(ChangedPixels(plain, surface->Picture()), 0) << r.name;
        Click(r.first);
        Click(r.second);
        EXPECT_EQ(ChangedPixels(onlySecond, surface->Picture()), 0) << r.name;
        Click(r.second);  // the same place again keeps it
        EXPECT_EQ(ChangedPixels(onlySecond, surface->Picture()), 0) << r.name;

        surface->Redraw();  // a repaint draws the cursor again where it was
        EXPECT_EQ(ChangedPixels(onlySecond, surface->Picture()), 0) << r.name;

        Click(r.second, Qt::RightButton);
        EXPECT_EQ(ChangedPixels(plain, surface->Picture()), 0) << r.name;
    }
}

TEST_F(ChartSurfaceTest, ScrollsOverA640By420ChartInTheViewsFont) {
    EXPECT_EQ(surface->objectName(), "ScrollBox1");
    EXPECT_EQ(surface->PaintBox1->objectName(), "PaintBox1");
    EXPECT_EQ(surface->PaintBox1->font().pixelSize(), 13);
    EXPECT_TRUE(surface->PaintBox1->font().bold());

    CensusState(1840);
    PopulationChart chart(CensusChartView);
    Use(chart);
    surface->resize(400, 250);
    QApplication::processEvents();
    EXPECT_EQ(surface->horizontalScrollBar()->maximum() + surface->viewport()->width(), 640);
    EXPECT_EQ(surface->verticalScrollBar()->maximum() + surface->viewport()->height(), 420);
    // A larger window shows the chart without scrolling.
    surface->resize(800, 600);
    QApplication::processEvents();
    EXPECT_EQ(surface->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(surface->PaintBox1->size(), surface->viewport()->size());
}

TEST_F(ChartSurfaceTest, VerticalScrollingRemovesTheCursor) {
    surface->resize(400, 250);
    QApplication::processEvents();
    ASSERT_GT(surface->verticalScrollBar()->maximum(), 0);
    CensusState(1901);
    PopulationChart chart(CensusChartView);
    Use(chart);
    const QImage plain = surface->Picture();
    Click(450);
    ASSERT_EQ(State.CursorLineX, 450);

    surface->verticalScrollBar()->setValue(40);
    QApplication::processEvents();
    surface->Redraw();
    EXPECT_EQ(State.CursorLineX, 0);
    EXPECT_EQ(State.SavedScrollPos, 40);
    EXPECT_EQ(ChangedPixels(plain, surface->Picture()), 0);
}

TEST_F(ChartSurfaceTest, ShowingTheCursorNeverRepaintsTheChart) {
    CensusState(1840);
    PopulationChart chart(CensusChartView);
    Use(chart);
    QApplication::processEvents();
    // Draw a mark straight on the picture: a chart repaint would wipe it.
    surface->SurfaceCanvas().FillRect(5, 5, 8, 8, 0xFF0000);
    Click(450);
    surface->PaintBox1->repaint();
    EXPECT_EQ(surface->Picture().pixel(6, 6), qRgb(255, 0, 0));
    EXPECT_EQ(State.CursorLineX, 450);
}

TEST_F(ChartTest, SurfaceAndRendererForgetEachOther) {
    auto surface = std::make_unique<ChartSurface>();
    {
        PopulationChart chart(CensusChartView);
        surface->SetChart(&chart);
        EXPECT_EQ(surface->Chart(), &chart);
        EXPECT_EQ(chart.Surface(), surface.get());
        PopulationChart other(ProjectionChartView);
        other.SetSurface(surface.get());
        EXPECT_EQ(chart.Surface(), nullptr) << "one renderer per surface";
        EXPECT_EQ(surface->Chart(), &other);
    }
    EXPECT_EQ(surface->Chart(), nullptr);
    surface->Redraw();  // blank, no renderer
    EXPECT_EQ(surface->Picture().pixel(300, 200), qRgb(255, 255, 255));

    PopulationChart chart(CensusChartView);
    {
        FakeSurface fake;
        chart.SetSurface(&fake);
    }
    EXPECT_EQ(chart.Surface(), nullptr);
    State.DisplayMode = 12;
    State.CursorLineX = 450;
    chart.RemoveCursor();  // no surface left: the cursor is simply gone
    EXPECT_EQ(State.CursorLineX, 0);
}

// ---- The QPainter canvas ------------------------------------------------

TEST(QtCanvasTest, InvertingTheSameLineTwiceRestoresEveryPixel) {
    struct Row {
        const char* name;
        QImage::Format format;
        bool borrowed;  // through a caller's painter (Qt's raster operation)
        QPoint from, to;
    };
    const Row rows[] = {
        {"vertical", QImage::Format_RGB32, false, {100, 10}, {100, 150}},
        {"horizontal", QImage::Format_RGB32, false, {5, 60}, {190, 60}},
        {"diagonal", QImage::Format_RGB32, false, {3, 170}, {150, 20}},
        {"partly outside", QImage::Format_RGB32, false, {-40, -30}, {250, 90}},
        {"opaque ARGB32", QImage::Format_ARGB32_Premultiplied, false, {50, 0}, {50, 199}},
        {"caller's painter", QImage::Format_RGB32, true, {20, 10}, {180, 190}},
    };
    for (const Row& r : rows) {
        QImage image(200, 200, r.format);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.fillRect(40, 40, 80, 80, QColor(30, 160, 90));
            painter.drawText(20, 150, "Mænd 12345");
        }
        const QImage before = image.copy();
        std::unique_ptr<QPainter> outer;
        std::unique_ptr<QtCanvas> canvas;
        if (r.borrowed) {
            outer = std::make_unique<QPainter>(&image);
            canvas = std::make_unique<QtCanvas>(outer.get(), false);
        } else {
            canvas = std::make_unique<QtCanvas>(&image);
        }
        canvas->SetPenMode(PenMode::Invert);
        canvas->MoveTo(r.from.x(), r.from.y());
        canvas->LineTo(r.to.x(), r.to.y());
        canvas->End();
        if (outer) outer->end();
        const QImage once = image.copy();
        EXPECT_GT(ChangedPixels(before, once), 100) << r.name;
        if (outer) outer->begin(&image);
        canvas->MoveTo(r.from.x(), r.from.y());
        canvas->LineTo(r.to.x(), r.to.y());
        canvas->End();
        if (outer) outer->end();
        EXPECT_EQ(ChangedPixels(before, image), 0) << r.name;
        // Inverted white is black, inverted green its complement.
        const QPoint onLine = r.from.x() == r.to.x() ? QPoint(r.from.x(), 20) : QPoint(-1, -1);
        if (onLine.x() >= 0) {
            EXPECT_EQ(once.pixel(onLine) & 0xFFFFFF, 0u) << r.name;
        }
    }
}

TEST(QtCanvasTest, InvertedLinesCoverThePixelsOfOrdinaryOnes) {
    const QPoint ends[][2] = {{{100, 10}, {100, 150}}, {{100, 150}, {100, 10}}, {{5, 60}, {190, 60}},
                              {{3, 170}, {150, 20}}, {{-20, 30}, {220, 30}}};
    for (const auto& e : ends) {
        QImage inverted(200, 200, QImage::Format_RGB32), drawn(200, 200, QImage::Format_RGB32);
        inverted.fill(Qt::white);
        drawn.fill(Qt::white);
        {
            QtCanvas a(&inverted), b(&drawn);
            a.SetPenMode(PenMode::Invert);
            a.MoveTo(e[0].x(), e[0].y());
            a.LineTo(e[1].x(), e[1].y());
            b.MoveTo(e[0].x(), e[0].y());
            b.LineTo(e[1].x(), e[1].y());
        }
        // All but an upright or level line's end point, which inverting leaves out.
        const bool straight = e[0].x() == e[1].x() || e[0].y() == e[1].y();
        const int endLeftOut = straight && inverted.rect().contains(e[1]) ? 1 : 0;
        EXPECT_EQ(ChangedPixels(inverted, drawn), endLeftOut) << e[0].x() << "," << e[0].y();
        if (endLeftOut) {
            EXPECT_EQ(inverted.pixel(e[1]), drawn.pixel(e[1]) ^ 0xFFFFFFu);
        }
    }
}

TEST(QtCanvasTest, FillsUpToButExcludingTheFarCornerAndPlacesTextsByTheirTop) {
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtCanvas canvas(&image);
        canvas.SetPenMode(PenMode::Invert);  // fills and texts ignore the pen mode
        canvas.FillRect(10, 10, 20, 15, 0xFF0000);
        canvas.FillRect(30, 30, 30, 40, 0x0000FF);  // empty
        canvas.SetFont("Courier New", 13, false, true);
        canvas.SetTextColor(0x0000FF);
        EXPECT_GE(canvas.TextHeight("H"), 13);
        EXPECT_NEAR(canvas.TextWidth("12345"), 5 * 7.8, 1.0);  // monospaced, 13 px
        canvas.TextOut(40, 20, "H");
    }
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 14), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 14), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(19, 15), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y)
        for (int x = 40; x < 50; ++x)
            if (qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 100) top = y;
    EXPECT_GE(top, 20);
    EXPECT_LE(top, 24);  // the cap of "H" just under the text's top
}

TEST_F(ChartTest, PrintsToAScaledPdfPage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.pdf");
    ProjectionState();
    PopulationChart chart(ProjectionChartView);
    {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        QPainter painter(&printer);
        const QRect page = painter.viewport();
        const double scale = std::min(page.width() / 640.0, page.height() / 480.0);
        painter.setWindow(0, 0, 640, 480);
        painter.setViewport(0, 0, static_cast<int>(640 * scale), static_cast<int>(480 * scale));
        QtCanvas canvas(&painter, true);
        canvas.SetFont("Courier New", 13, false, true);
        chart.DrawPyramid(canvas);
        chart.DrawPyramidCursor(canvas);  // no raster operations there: drawn plainly, no failure
    }
    EXPECT_GT(QFileInfo(file).size(), 1000);
}

// The pictures shown in the README.
TEST_F(ChartTest, DISABLED_ReadmePictures) {
    const std::filesystem::path docs = PicturesDir();
    struct Row {
        const char* file;
        bool projection;
        bool pyramid;
        int32_t cursorX;  // 0: none
    };
    const Row rows[] = {
        {"chart-census-pyramid.png", false, true, 0},
        {"chart-census-total.png", false, false, 0},
        {"chart-projection-pyramid.png", true, true, 470},
        {"chart-projection-total.png", true, false, 0},
    };
    for (const Row& r : rows) {
        if (r.projection) ProjectionState();
        else CensusState(1901);
        PopulationChart chart(r.projection ? ProjectionChartView : CensusChartView);
        QImage img(640, 420, QImage::Format_RGB32);
        img.fill(Qt::white);
        QtCanvas canvas(&img);
        canvas.SetFont("Courier New", 13, false, true);
        if (r.pyramid) chart.DrawPyramid(canvas);
        else chart.DrawTotalGraph(canvas);
        if (r.cursorX) {
            State.ClickX = r.cursorX;
            chart.DrawPyramidCursor(canvas);
        }
        canvas.End();
        const std::string path = (docs / r.file).string();
        EXPECT_TRUE(img.save(QString::fromStdString(path))) << path;
    }
}

}  // namespace

namespace {

// The arrow keys move the cursor from bar end to bar end: up and down along
// the groups, left and right between the men's and the women's bar; the
// count then reads the bar's figure to the nearest thousand.
TEST_F(ChartSurfaceTest, ArrowKeysMoveTheCursorFromBarToBar) {
    CensusState(1901);
    PopulationChart chart(CensusChartView);
    Use(chart);
    surface->PaintBox1->setFocus();
    const auto end = [](int g, bool women) {
        const double v = women ? State.GroupFemale[g] : State.GroupMale[g];
        const int length = RoundHalfEven(v / State.ChartUnit);
        return 392 + (women ? length : -length);
    };
    struct Step { Qt::Key key; int group; bool women; };
    for (const Step& s : {Step{Qt::Key_Up, 0, true}, Step{Qt::Key_Up, 1, true}, Step{Qt::Key_Left, 1, false},
                          Step{Qt::Key_Down, 0, false}, Step{Qt::Key_Down, 0, false}, Step{Qt::Key_Right, 0, true}}) {
        QTest::keyClick(surface->PaintBox1, s.key);
        EXPECT_EQ(State.ClickX, end(s.group, s.women)) << s.group << (s.women ? " women" : " men");
        EXPECT_EQ(State.CursorLineX, State.ClickX);
    }
    // The top group is as far as it goes; a click starts the keys again at the bottom.
    for (int i = 0; i < 30; ++i) QTest::keyClick(surface->PaintBox1, Qt::Key_Up);
    EXPECT_EQ(State.ClickX, end(State.GroupCount - 1, true));
    Click(492);
    QTest::keyClick(surface->PaintBox1, Qt::Key_Up);
    EXPECT_EQ(State.ClickX, end(0, true));
}

}  // namespace
