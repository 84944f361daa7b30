#include "ChartSurface.h"

#include "ViewWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <cmath>

QFont ChartSurfaceFont() {
    QFont font(PopulationChart::FontName);
    font.setPixelSize(PopulationChart::FontPixels);
    font.setBold(true);
    return font;
}

// ---------------------------------------------------------------------------
// ChartPaintBox

ChartPaintBox::ChartPaintBox(QWidget* parent) : QWidget(parent) {
    setObjectName("PaintBox1");
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the whole box
    // The keyboard reaches the chart: its arrow keys move the cursor.
    setFocusPolicy(Qt::StrongFocus);
}

void ChartPaintBox::SetMinimumPicture(QSize size) {
    minimum_ = size.expandedTo(QSize(1, 1));
    if (!PictureFits()) Invalidate();
}

QSize ChartPaintBox::PictureSize() const { return size().expandedTo(minimum_); }

// The picture has the box's logical size at the device pixel ratio of the
// screen the box is on now (it follows a move to another screen).
bool ChartPaintBox::PictureFits() const {
    const qreal ratio = devicePixelRatioF();
    return !image_.isNull() && image_.devicePixelRatio() == ratio &&
           image_.size() == (QSizeF(PictureSize()) * ratio).toSize();
}

void ChartPaintBox::EnsureImage() {
    if (PictureFits()) return;
    canvas_.End();
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(PictureSize()) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
    canvas_.SetQFont(font());
    redrawPending_ = true;
}

Canvas& ChartPaintBox::SurfaceCanvas() {
    EnsureImage();
    return canvas_;
}

void ChartPaintBox::Redraw() {
    const bool nested = inPaint_;
    inPaint_ = true;
    // A paint may find the chart scrolled and ask for one more paint at once
    // (the cursor is removed then); do that here instead of queueing it.
    for (int pass = 0; pass < 3; ++pass) {
        redrawPending_ = false;
        EnsureImage();
        canvas_.End();
        image_.fill(Qt::white);
        if (OnPaint) OnPaint();
        if (!redrawPending_) break;
    }
    redrawPending_ = false;
    showOnly_ = false;
    canvas_.End();
    inPaint_ = nested;
}

void ChartPaintBox::ShowCanvas() {
    canvas_.End();
    if (inPaint_) return;  // the paint under way shows it
    if (!redrawPending_) showOnly_ = true;
    update();
}

void ChartPaintBox::Invalidate() {
    redrawPending_ = true;
    if (!inPaint_) update();
}

QImage ChartPaintBox::Picture() {
    EnsureImage();
    canvas_.End();
    return image_;
}

void ChartPaintBox::ClearChart() {
    EnsureImage();
    canvas_.End();
    image_.fill(Qt::white);
    ShowCanvas();
}

bool ChartPaintBox::event(QEvent* event) {
    // On another screen the ratio may differ: the next paint draws anew.
    if (event->type() == QEvent::ScreenChangeInternal) Invalidate();
    return QWidget::event(event);
}

// A paint that only shows a cursor change copies the picture; any other
// paint (shown, uncovered, resized, another ratio) draws it anew.
void ChartPaintBox::paintEvent(QPaintEvent* event) {
    if (!showOnly_ || redrawPending_ || !PictureFits()) Redraw();
    showOnly_ = false;
    canvas_.End();
    QPainter painter(this);
    const QRect r = event->rect();
    const qreal ratio = image_.devicePixelRatio();
    painter.drawImage(QRectF(r), image_, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}

void ChartPaintBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    event->accept();
}

void ChartPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && leftPressed_ && rect().contains(at)) emit Clicked();
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    if (OnMouseUp) OnMouseUp(event->button(), at.x(), at.y());
    event->accept();
}

void ChartPaintBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow || !OnArrowKey || (event->modifiers() & ~Qt::KeypadModifier)) return QWidget::keyPressEvent(event);
    OnArrowKey(key);
    event->accept();
}

void ChartPaintBox::resizeEvent(QResizeEvent* event) {
    redrawPending_ = true;
    QWidget::resizeEvent(event);
}

// ---------------------------------------------------------------------------
// ChartSurface

ChartSurface::ChartSurface(QWidget* parent) : QScrollArea(parent) {
    setObjectName("ScrollBox1");
    PaintBox1 = new ChartPaintBox;
    PaintBox1->setMinimumSize(MinWidth, MinHeight);
    PaintBox1->SetMinimumPicture(QSize(MinWidth, MinHeight));
    PaintBox1->setFont(ChartSurfaceFont());
    PaintBox1->OnPaint = [this] {
        if (Chart()) Chart()->PaintBox1Paint();
    };
    PaintBox1->OnMouseUp = [this](Qt::MouseButton button, int x, int y) {
        if (Chart()) Chart()->PaintBox1MouseUp(button == Qt::LeftButton, x, y);
    };
    PaintBox1->OnArrowKey = [this](int key) {
        using Key = PopulationChart::CursorKey;
        const Key k = key == Qt::Key_Up ? Key::Up : key == Qt::Key_Down ? Key::Down : key == Qt::Key_Left ? Key::Left : Key::Right;
        if (Chart()) Chart()->PaintBox1Key(k);
    };
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

void ChartSurface::SetScrollRanges(int32_t width, int32_t height) {
    const QSize range(std::max(width, 0), std::max(height, 0));
    if (PaintBox1->minimumSize() != range) PaintBox1->setMinimumSize(range);
}

int32_t ChartSurface::VerticalScrollPos() const { return verticalScrollBar()->value(); }

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
