#include "QtCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPen>

#include <algorithm>

namespace {

QColor Rgb(uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu) | 0xFF000000u); }

// A one-unit pen: one pixel on an image, scaled with the page on the printer.
QPen LinePen(uint32_t rgb) {
    QPen pen(Rgb(rgb));
    pen.setWidth(1);
    return pen;
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice* device, bool isPrinter) : device_(device), printer_(isPrinter) {}

QtCanvas::QtCanvas(QPainter* painter, bool isPrinter)
    : device_(painter->device()), borrowed_(painter), printer_(isPrinter), font_(painter->font()) {}

QtCanvas::~QtCanvas() {
    if (borrowed_ && applied_ != Use::None) {
        borrowed_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        borrowed_->setPen(LinePen(0));
    }
    End();
}

void QtCanvas::End() {
    if (own_) {
        own_->end();
        own_.reset();
    }
    applied_ = Use::None;
}

QPainter& QtCanvas::Painter() {
    if (borrowed_) {
        if (applied_ == Use::None) raster_ = IsRaster(*borrowed_);
        return *borrowed_;
    }
    if (!own_) {
        own_ = std::make_unique<QPainter>(device_);
        own_->setFont(font_);
        raster_ = IsRaster(*own_);
        applied_ = Use::None;
    }
    return *own_;
}

bool QtCanvas::IsRaster(QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
}

// Sets the painter up for one kind of drawing, only when it changes: a chart
// draws hundreds of lines and texts and each set-up costs.
QPainter& QtCanvas::Prepare(Use use) {
    QPainter& p = Painter();
    if (use == applied_) return p;
    if (use == Use::Line && mode_ == PenMode::Invert && raster_) {
        // XOR with white inverts the colour bits and leaves alpha alone.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(LinePen(0xFFFFFF));
    } else {
        // Devices without raster operations (printer, PDF) draw the
        // inverting pen as an ordinary one; charts never put cursors there.
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(use == Use::Text ? QPen(Rgb(textRgb_)) : LinePen(penRgb_));
    }
    applied_ = use;
    return p;
}

const QFontMetrics& QtCanvas::Metrics() {
    if (!metrics_) metrics_.emplace(font_, borrowed_ ? borrowed_->device() : device_);
    return *metrics_;
}

void QtCanvas::SetQFont(const QFont& font) {
    font_ = font;
    metrics_.reset();
    if (borrowed_) borrowed_->setFont(font_);
    else if (own_) own_->setFont(font_);
}

void QtCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
    QPainter& p = Prepare(Use::Text);
    p.drawText(QPoint(x, y + Metrics().ascent()), ToQString(text));
}

int32_t QtCanvas::TextWidth(const std::string& text) {
    return Metrics().horizontalAdvance(ToQString(text));
}

int32_t QtCanvas::TextHeight(const std::string&) { return Metrics().height(); }

void QtCanvas::MoveTo(int32_t x, int32_t y) { pos_ = QPoint(x, y); }

void QtCanvas::LineTo(int32_t x, int32_t y) {
    const QPoint to(x, y);
    if (mode_ != PenMode::Invert || !InvertLineDirect(pos_, to)) Prepare(Use::Line).drawLine(pos_, to);
    pos_ = to;
}

// Inverts the pixels of a one-pixel upright or level line straight in an
// image of our own (cursor lines are upright). Qt's raster operations hand
// each span of such a line to worker threads, which costs about a hundred
// times more than these few XORs. Sloping lines go through the painter.
bool QtCanvas::InvertLineDirect(QPoint from, QPoint to) {
    if (borrowed_) return false;  // the caller's painter may be transformed or clipped
    if (from.x() != to.x() && from.y() != to.y()) return false;
    auto* image = dynamic_cast<QImage*>(device_);
    if (!image || image->isNull()) return false;
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;
    // An active painter writes into the buffer the image had when it began.
    if (own_ && !image->isDetached()) End();

    // Both ends included, like the painter's own lines; clipped to the image.
    const int x0 = std::max(std::min(from.x(), to.x()), 0), x1 = std::min(std::max(from.x(), to.x()), image->width() - 1);
    const int y0 = std::max(std::min(from.y(), to.y()), 0), y1 = std::min(std::max(from.y(), to.y()), image->height() - 1);
    for (int y = y0; y <= y1; ++y) {
        auto* row = reinterpret_cast<quint32*>(image->scanLine(y));
        for (int x = x0; x <= x1; ++x) row[x] ^= 0x00FFFFFFu;
    }
    return true;
}

void QtCanvas::SetPenColor(uint32_t rgb) {
    penRgb_ = rgb;
    if (applied_ == Use::Line) applied_ = Use::None;
}

void QtCanvas::SetTextColor(uint32_t rgb) {
    textRgb_ = rgb;
    if (applied_ == Use::Text) applied_ = Use::None;
}

void QtCanvas::SetPenMode(PenMode mode) {
    mode_ = mode;
    if (applied_ == Use::Line) applied_ = Use::None;
}

void QtCanvas::FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t rgb) {
    if (x2 <= x1 || y2 <= y1) return;
    QPainter& p = Prepare(Use::Fill);
    p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Rgb(rgb));
}

void QtCanvas::SetFont(const std::string& name, int32_t size, bool sizeInPoints, bool bold) {
    QFont font(QString::fromStdString(name));
    if (sizeInPoints) font.setPointSize(size > 0 ? size : 1);
    else font.setPixelSize(size > 0 ? size : 1);
    font.setBold(bold);
    SetQFont(font);
}

void QtCanvas::SetFontPointSize(int32_t points) {
    QFont font = font_;
    font.setPointSize(points > 0 ? points : 1);
    SetQFont(font);
}
