// Charts and glyphs on a screen of device pixel ratio 2 (run with
// QT_SCALE_FACTOR=2; skipped at ratio 1): drawn at the screen's resolution,
// not a 1x picture scaled up, and the inverting cursor still exact.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "ChartSurface.h"
#include "Lifetime.h"
#include "ToolGlyphs.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit8.h"

#include <QImage>
#include <QPixmap>

namespace {

// Aligned 2 x 2 blocks of device pixels whose four pixels are not all alike:
// a 1x picture scaled up has none.
int MixedBlocks(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y + 1 < img.height(); y += 2)
        for (int x = 0; x + 1 < img.width(); x += 2) {
            const QRgb p = img.pixel(x, y);
            n += img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p || img.pixel(x + 1, y + 1) != p;
        }
    return n;
}

class HighDensity : public ::testing::Test {
protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() < 2) GTEST_SKIP() << "needs a device pixel ratio of 2";
        StartFresh();
    }
};

TEST_F(HighDensity, ChartsAreDrawnAtTheScreensResolution) {
    DialogRecorder dialogs;
    dialogs.OnExec = [](QDialog& dialog) {
        if (&dialog == Form8) State.BaseYear = 1901;
        return int(QDialog::Accepted);
    };
    Form1->Inddata2->trigger();
    Form1->Pyramide2->trigger();
    ChartPaintBox* box = Form4->ScrollBox1->PaintBox1;
    QApplication::processEvents();
    const QImage grabbed = box->grab().toImage();
    EXPECT_EQ(grabbed.devicePixelRatio(), 2.0);
    EXPECT_EQ(grabbed.width(), 2 * box->width());
    EXPECT_GT(MixedBlocks(grabbed), 200);

    // The cursor, set and removed, leaves the picture as it was; the base
    // line under it (chart y 48: device rows 703 and 704) stays black.
    const QImage before = box->Picture();
    Form4->Chart.PaintBox1MouseUp(true, 450, 200);
    const QImage with = box->Picture();
    EXPECT_NE(with, before);
    EXPECT_EQ(with.pixel(900, 704) & 0xFFFFFF, 0u);
    EXPECT_EQ(with.pixel(900, 703) & 0xFFFFFF, 0u);
    Form4->Chart.PaintBox1MouseUp(false, 450, 200);
    EXPECT_EQ(box->Picture(), before);

    ASSERT_TRUE(ChooseLifetimePersons(45, 'm', 45, 'k'));
    Form2->ShowView();
    Form2->ShowLifetimeGraph();
    QApplication::processEvents();
    EXPECT_GT(MixedBlocks(Form2->PaintBox1->grab().toImage()), 200);
    const QImage graph = Form2->PaintBox1->Picture();
    Form2->PaintBox1MouseUp(Qt::LeftButton, 270);
    EXPECT_NE(Form2->PaintBox1->Picture(), graph);
    Form2->PaintBox1MouseUp(Qt::RightButton, 270);
    EXPECT_EQ(Form2->PaintBox1->Picture(), graph);
}

TEST_F(HighDensity, GlyphsAreDrawnAtTheScreensResolution) {
    for (auto [kind, size] : {std::pair{ToolGlyph::Print, 25}, {ToolGlyph::Copy, 25}, {ToolGlyph::Graph, 16}}) {
        const QPixmap glyph = ToolGlyphIcon(kind).pixmap(QSize(size, size), 2.0);
        EXPECT_EQ(glyph.size(), QSize(2 * size, 2 * size));
        EXPECT_GT(MixedBlocks(glyph.toImage()), 0);
    }
    EXPECT_EQ(BlankGlyph(25, 25).size(), QSize(50, 50));
}

}  // namespace
