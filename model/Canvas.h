// A drawing surface as the charts see it. Plain C++ so that the chart
// primitives stay in the model; the windows supply an implementation over
// QPainter (screen, bitmap, printer) and the tests a recording one.
#pragma once

#include <cstdint>
#include <string>

enum class PenMode { Copy, Invert };

struct Canvas {
    virtual ~Canvas() = default;

    // Texts are UTF-8 and placed by their top-left corner.
    virtual void TextOut(int32_t x, int32_t y, const std::string& text) = 0;
    virtual int32_t TextWidth(const std::string& text) = 0;
    virtual int32_t TextHeight(const std::string& text) = 0;

    // Colours are 0xRRGGBB; pen and text start black. The inverting pen mode
    // affects lines only: each pixel of a line gets the inverse of its
    // colour, so drawing the same line twice restores the picture exactly.
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;
    virtual void SetPenColor(uint32_t rgb) = 0;
    virtual void SetTextColor(uint32_t rgb) = 0;
    virtual PenMode GetPenMode() const = 0;
    virtual void SetPenMode(PenMode mode) = 0;

    // Fills the rectangle from (x1, y1) up to but excluding (x2, y2).
    virtual void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t rgb) = 0;

    // Size in pixels, or in points when sizeInPoints is set.
    virtual void SetFont(const std::string& name, int32_t size, bool sizeInPoints, bool bold) = 0;
    virtual void SetFontPointSize(int32_t points) = 0;

    virtual bool IsPrinter() const = 0;
};
