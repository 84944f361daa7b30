#include "ChartSurface.h"

#include "ViewWindow.h"

#include <QGridLayout>
#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>

QFont ChartSurfaceFont() {
    QFont font(PopulationChart::FontName);
    font.setPixelSize(PopulationChart::FontPixels);
    font.setBold(true);
    return font;
}

ChartPaintBox::ChartPaintBox(ChartSurface* surface) : QWidget(nullptr), surface_(surface) {
    setObjectName("PaintBox1");
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the whole box
}

void ChartPaintBox::paintEvent(QPaintEvent* event) { surface_->Paint(event); }

void ChartPaintBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    event->accept();
}

void ChartPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && leftPressed_ && rect().contains(at)) emit Clicked();
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    surface_->MouseUp(event->button(), at.x(), at.y());
}

void ChartPaintBox::resizeEvent(QResizeEvent* event) {
    surface_->redrawPending_ = true;
    QWidget::resizeEvent(event);
}

ChartSurface::ChartSurface(QWidget* parent) : QScrollArea(parent) {
    setObjectName("ScrollBox1");
    PaintBox1 = new ChartPaintBox(this);
    PaintBox1->setMinimumSize(MinWidth, MinHeight);
    PaintBox1->setFont(ChartSurfaceFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    // The box fills the visible area and never gets smaller than the scroll
    // ranges: a smaller window scrolls over it.
    setWidgetResizable(true);
    setWidget(PaintBox1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Invalidate(); });
}

void ChartSurface::SetChart(PopulationChart* chart) {
    if (chart) chart->SetSurface(this);
    else if (Chart()) Chart()->SetSurface(nullptr);
    Invalidate();
}

void ChartSurface::EnsureImage() {
    const QSize want = PaintBox1->size().expandedTo(QSize(MinWidth, MinHeight));
    if (image_.size() == want) return;
    canvas_.End();
    image_ = QImage(want, QImage::Format_RGB32);
    image_.fill(Qt::white);
    redrawPending_ = true;
}

void ChartSurface::Redraw() {
    const bool nested = inPaint_;
    inPaint_ = true;
    // A paint may find the chart scrolled and ask for one more paint at once
    // (the cursor is removed then); do that here instead of queueing it.
    for (int pass = 0; pass < 3; ++pass) {
        redrawPending_ = false;
        EnsureImage();
        canvas_.End();
        image_.fill(Qt::white);
        if (Chart()) Chart()->PaintBox1Paint();
        if (!redrawPending_) break;
    }
    redrawPending_ = false;
    showOnly_ = false;
    canvas_.End();
    inPaint_ = nested;
}

void ChartSurface::Paint(QPaintEvent* event) {
    if (!showOnly_ || redrawPending_ || image_.size() != PaintBox1->size().expandedTo(QSize(MinWidth, MinHeight)))
        Redraw();
    showOnly_ = false;
    canvas_.End();
    QPainter painter(PaintBox1);
    const QRect r = event->rect();
    painter.drawImage(r.topLeft(), image_, r);
}

void ChartSurface::MouseUp(Qt::MouseButton button, int x, int y) {
    if (Chart()) Chart()->PaintBox1MouseUp(button == Qt::LeftButton, x, y);
}

QImage ChartSurface::Picture() {
    EnsureImage();
    canvas_.End();
    return image_;
}

void ChartSurface::ClearChart() {
    EnsureImage();
    canvas_.End();
    image_.fill(Qt::white);
    ShowCanvas();
}

Canvas& ChartSurface::SurfaceCanvas() {
    EnsureImage();
    return canvas_;
}

void ChartSurface::SetScrollRanges(int32_t width, int32_t height) {
    const QSize range(std::max(width, 0), std::max(height, 0));
    if (PaintBox1->minimumSize() != range) PaintBox1->setMinimumSize(range);
}

int32_t ChartSurface::VerticalScrollPos() const { return verticalScrollBar()->value(); }

void ChartSurface::ShowCanvas() {
    canvas_.End();
    if (inPaint_) return;  // the paint under way shows it
    if (!redrawPending_) showOnly_ = true;
    PaintBox1->update();
}

void ChartSurface::Invalidate() {
    redrawPending_ = true;
    if (!inPaint_) PaintBox1->update();
}

ChartArea AddChartArea(QWidget* view, PopulationChart& chart) {
    auto* area = new QWidget(view);
    area->setObjectName("ChartArea");
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    auto* surface = new ChartSurface(area);
    surface->SetChart(&chart);
    stack->addWidget(surface, 0, 0);
    auto* memo = new QPlainTextEdit(area);
    memo->setObjectName("Memo2");
    memo->setFont(CourierNew(16, true));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stack->addWidget(memo, 0, 0);
    memo->raise();
    view->layout()->addWidget(area);
    return {surface, memo};
}
