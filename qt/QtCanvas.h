// The chart canvas over QPainter: one class for the chart surface's picture,
// clipboard bitmaps and the printer.
#pragma once

#include "Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>

#include <memory>
#include <optional>
#include <string>

class QImage;
class QPaintDevice;

// A text of the model (UTF-8) as Qt text.
inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class QtCanvas : public Canvas {
public:
    // Paints on `device` (a QImage, a QPrinter, ...). The painter is begun on
    // first use and can be ended between drawings with End(); font, pen and
    // position survive that. An image should be RGB32 or opaque ARGB32 for
    // the inverting pen to be exact.
    explicit QtCanvas(QPaintDevice* device, bool isPrinter = false);
    // Borrows a painter that is already active, with whatever window and
    // viewport the caller has set up (printing a chart scaled to the page).
    QtCanvas(QPainter* painter, bool isPrinter);
    ~QtCanvas() override;

    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Ends an owned painter so the device can be shown, copied or resized.
    void End();
    QPainter& Painter();
    const QFont& Font() const { return font_; }
    void SetQFont(const QFont& font);

    void TextOut(int32_t x, int32_t y, const std::string& text) override;
    int32_t TextWidth(const std::string& text) override;
    int32_t TextHeight(const std::string& text) override;

    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void SetPenColor(uint32_t rgb) override;
    void SetTextColor(uint32_t rgb) override;
    PenMode GetPenMode() const override { return mode_; }
    void SetPenMode(PenMode mode) override;

    void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t rgb) override;

    void SetFont(const std::string& name, int32_t size, bool sizeInPoints, bool bold) override;
    void SetFontPointSize(int32_t points) override;

    bool IsPrinter() const override { return printer_; }

private:
    enum class Use { None, Line, Text, Fill };
    QPainter& Prepare(Use use);
    const QFontMetrics& Metrics();
    static bool IsRaster(QPainter& painter);
    void InvertLine(QPoint from, QPoint to);
    bool InvertLineDirect(QPoint from, QPoint to);

    QPaintDevice* device_ = nullptr;
    std::unique_ptr<QPainter> own_;
    QPainter* borrowed_ = nullptr;
    bool printer_ = false;
    QFont font_;
    uint32_t penRgb_ = 0;
    uint32_t textRgb_ = 0;
    PenMode mode_ = PenMode::Copy;
    QPoint pos_;
    Use applied_ = Use::None;
    bool raster_ = false;
    std::optional<QFontMetrics> metrics_;
};
