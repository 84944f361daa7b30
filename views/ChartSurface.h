// The paint surfaces of the charts. ChartPaintBox shows an offscreen picture
// that is the drawing's canvas, so a click cursor can be drawn and erased on
// it (inverting) without drawing everything again; the lifetime view uses it
// as its PaintBox1. ChartSurface, the projection and census views'
// ScrollBox1, is a scrolling area around one that runs a PopulationChart.
#pragma once

#include "PopulationChart.h"
#include "QtCanvas.h"

#include <QFont>
#include <QImage>
#include <QScrollArea>
#include <QSize>
#include <QWidget>

#include <functional>

class QPlainTextEdit;

// The font the charts are drawn in, on screen and on the printer.
QFont ChartSurfaceFont();

class ChartPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit ChartPaintBox(QWidget* parent = nullptr);

    // A full paint: draws the whole picture on SurfaceCanvas() (blanked
    // first). A paint may call Invalidate to be run once more at once.
    std::function<void()> OnPaint;
    // A mouse button released over the box, at x, y.
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseUp;
    // An arrow key pressed while the box has the focus (Qt::Key_Left …).
    std::function<void(int key)> OnArrowKey;

    // The picture is never smaller than this (default 1 x 1).
    void SetMinimumPicture(QSize size);

    // The picture's canvas, in the box's own (logical) coordinates; the
    // picture has the screen's device pixel ratio, so drawing is sharp.
    Canvas& SurfaceCanvas();
    // Draws the whole picture again now (what a paint does when the picture
    // is out of date).
    void Redraw();
    // Shows what was drawn on the canvas since, without drawing it again.
    void ShowCanvas();
    // Asks for a full redraw at the next paint.
    void Invalidate();
    // The picture as it stands (a copy that later drawing leaves alone).
    QImage Picture();
    // Blanks the picture.
    void ClearChart();

signals:
    // A left button pressed and released on the box.
    void Clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize PictureSize() const;
    bool PictureFits() const;
    void EnsureImage();

    QImage image_;
    QtCanvas canvas_{&image_};
    QSize minimum_{1, 1};
    bool redrawPending_ = true;  // the picture no longer matches what it shows
    bool showOnly_ = false;      // a cursor change waits to be shown
    bool inPaint_ = false;
    bool leftPressed_ = false;
};

class ChartSurface : public QScrollArea, public ChartSurfaceHost {
    Q_OBJECT
public:
    explicit ChartSurface(QWidget* parent = nullptr);

    ChartPaintBox* PaintBox1;

    // The renderer whose PaintBox1Paint and PaintBox1MouseUp this surface
    // runs; also makes this surface the renderer's one.
    void SetChart(PopulationChart* chart);
    PopulationChart* Chart() const { return AttachedChart(); }

    void Redraw() { PaintBox1->Redraw(); }
    QImage Picture() { return PaintBox1->Picture(); }
    void ClearChart() { PaintBox1->ClearChart(); }

    // ChartSurfaceHost
    Canvas& SurfaceCanvas() override { return PaintBox1->SurfaceCanvas(); }
    void SetScrollRanges(int32_t width, int32_t height) override;
    int32_t VerticalScrollPos() const override;
    void ShowCanvas() override { PaintBox1->ShowCanvas(); }
    void Invalidate() override { PaintBox1->Invalidate(); }

    // The picture is never smaller than the chart's scroll area.
    static constexpr int MinWidth = 640;
    static constexpr int MinHeight = 420;
};

// The projection and census views show their table in a memo lying over the
// chart surface, in the same place: shown, the memo covers the chart. Both are
// made in an area added to the view's column layout; the surface runs chart.
struct ChartArea {
    ChartSurface* ScrollBox1;
    QPlainTextEdit* Memo2;
};
ChartArea AddChartArea(QWidget* view, PopulationChart& chart);
