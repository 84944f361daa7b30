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
    if (mode_ == PenMode::Invert) {
        InvertLine(pos_, to);
    } else {
        QPainter& p = Prepare(Use::Line);
        // A line of no length is a dot on a picture; a printer or PDF would
        // get an empty path, which PDF readers report as an error.
        if (to != pos_ || raster_) p.drawLine(pos_, to);
    }
    pos_ = to;
}

// An inverting line leaves out its end point, as line-to does on the platform
// the charts were first made for: a cursor line ending on a chart's base line
// leaves that line whole. Drawn twice it restores every pixel it touched.
void QtCanvas::InvertLine(QPoint from, QPoint to) {
    if (from == to) return;
    if (InvertLineDirect(from, to)) return;
    QPoint end = to;
    if (from.x() == to.x()) end.ry() += to.y() > from.y() ? -1 : 1;
    else if (from.y() == to.y()) end.rx() += to.x() > from.x() ? -1 : 1;
    Prepare(Use::Line).drawLine(from, end);
}

// Inverts the pixels of an upright or level line straight in an image of our
// own (cursor lines are upright). Qt's raster operations hand each span of
// such a line to worker threads, which costs about a hundred times more than
// these few XORs. Sloping lines, and pictures at a fractional device pixel
// ratio, go through the painter.
bool QtCanvas::InvertLineDirect(QPoint from, QPoint to) {
    if (borrowed_) return false;  // the caller's painter may be transformed or clipped
    if (from.x() != to.x() && from.y() != to.y()) return false;
    auto* image = dynamic_cast<QImage*>(device_);
    if (!image || image->isNull()) return false;
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;
    const qreal ratio = image->devicePixelRatio();
    const int d = static_cast<int>(ratio);
    if (d < 1 || d != ratio) return false;
    // An active painter writes into the buffer the image had when it began.
    if (own_ && !image->isDetached()) End();

    // The logical pixels from the first point up to the end point, which is
    // left out; each covers d x d device pixels where the painter puts a
    // line's (d/2 before the point).
    auto span = [](int a, int b) { return b > a ? std::pair(a, b - 1) : b < a ? std::pair(b + 1, a) : std::pair(a, a); };
    const auto [lx0, lx1] = span(from.x(), to.x());
    const auto [ly0, ly1] = span(from.y(), to.y());
    const int shift = d / 2;
    const int x0 = std::max(lx0 * d - shift, 0), x1 = std::min(lx1 * d - shift + d - 1, image->width() - 1);
    const int y0 = std::max(ly0 * d - shift, 0), y1 = std::min(ly1 * d - shift + d - 1, image->height() - 1);
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
