// The chart surface of the projection and census views: ScrollBox1, a
// scrolling area, holding PaintBox1. The picture lives in an offscreen image
// that is the chart canvas, so the click cursor can be drawn and erased on it
// without painting the chart again; the widget only shows the image.
#pragma once

#include "PopulationChart.h"
#include "QtCanvas.h"

#include <QFont>
#include <QImage>
#include <QScrollArea>
#include <QWidget>

class ChartSurface;
class QPlainTextEdit;

// The font the charts are drawn in, on screen and on the printer.
QFont ChartSurfaceFont();

class ChartPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit ChartPaintBox(ChartSurface* surface);

signals:
    // A left button pressed and released on the chart.
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ChartSurface* surface_;
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

    // Draws the whole picture again now (what a paint of PaintBox1 does when
    // the picture is out of date).
    void Redraw();
    // The picture as it stands (a copy that later drawing leaves alone).
    QImage Picture();
    // Blanks the picture.
    void ClearChart();

    // ChartSurfaceHost
    Canvas& SurfaceCanvas() override;
    void SetScrollRanges(int32_t width, int32_t height) override;
    int32_t VerticalScrollPos() const override;
    void ShowCanvas() override;
    void Invalidate() override;

    // The picture is never smaller than the chart's scroll area.
    static constexpr int MinWidth = 640;
    static constexpr int MinHeight = 420;

private:
    friend class ChartPaintBox;
    void EnsureImage();
    void Paint(QPaintEvent* event);
    void MouseUp(Qt::MouseButton button, int x, int y);

    QImage image_;
    QtCanvas canvas_{&image_};
    bool redrawPending_ = true;  // the picture no longer matches the model
    bool showOnly_ = false;      // a cursor change waits to be shown
    bool inPaint_ = false;
};

// The projection and census views show their table in a memo lying over the
// chart surface, in the same place: shown, the memo covers the chart. Both are
// made in an area added to the view's column layout; the surface runs chart.
struct ChartArea {
    ChartSurface* ScrollBox1;
    QPlainTextEdit* Memo2;
};
ChartArea AddChartArea(QWidget* view, PopulationChart& chart);
