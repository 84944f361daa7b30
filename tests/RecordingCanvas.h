// A canvas that draws nothing and records every call, so tests can assert the
// exact texts, lines and fills a chart routine produces. Plain C++: usable by
// the model tests as well as the window tests.
#pragma once

#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

struct CanvasCall {
    enum Kind { TextOut, MoveTo, LineTo, SetPenColor, SetTextColor, SetPenMode, FillRect, SetFont, SetFontPointSize };
    Kind kind = TextOut;
    int32_t x = 0, y = 0, x2 = 0, y2 = 0;  // FillRect: x, y .. x2, y2; SetFont: x = size
    std::string text;                      // TextOut: the text; SetFont: the font name
    uint32_t rgb = 0;
    PenMode mode = PenMode::Copy;          // the pen mode in force (SetPenMode: the new one)
    bool flag = false;                     // SetFont: size in points
    bool bold = false;
};

struct RecordedText {
    int32_t x, y;
    std::string text;
};

struct RecordedLine {
    int32_t x1, y1, x2, y2;
    PenMode mode;
    bool operator==(const RecordedLine&) const = default;
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(bool printer = false) : printer_(printer) {}

    // Text metrics of a monospaced font; UTF-8 characters count once.
    int32_t CharWidth = 8;
    int32_t CharHeight = 15;

    std::vector<CanvasCall> Calls;

    void TextOut(int32_t x, int32_t y, const std::string& text) override {
        CanvasCall c = Make(CanvasCall::TextOut);
        c.x = x, c.y = y, c.text = text;
        Calls.push_back(c);
    }
    int32_t TextWidth(const std::string& text) override { return CharWidth * CodePoints(text); }
    int32_t TextHeight(const std::string&) override { return CharHeight; }

    void MoveTo(int32_t x, int32_t y) override {
        CanvasCall c = Make(CanvasCall::MoveTo);
        c.x = x, c.y = y;
        Calls.push_back(c);
    }
    void LineTo(int32_t x, int32_t y) override {
        CanvasCall c = Make(CanvasCall::LineTo);
        c.x = x, c.y = y;
        Calls.push_back(c);
    }
    void SetPenColor(uint32_t rgb) override {
        CanvasCall c = Make(CanvasCall::SetPenColor);
        c.rgb = rgb;
        Calls.push_back(c);
    }
    void SetTextColor(uint32_t rgb) override {
        CanvasCall c = Make(CanvasCall::SetTextColor);
        c.rgb = rgb;
        Calls.push_back(c);
    }
    PenMode GetPenMode() const override { return mode_; }
    void SetPenMode(PenMode mode) override {
        mode_ = mode;
        CanvasCall c = Make(CanvasCall::SetPenMode);
        c.mode = mode;
        Calls.push_back(c);
    }
    void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t rgb) override {
        CanvasCall c = Make(CanvasCall::FillRect);
        c.x = x1, c.y = y1, c.x2 = x2, c.y2 = y2, c.rgb = rgb;
        Calls.push_back(c);
    }
    void SetFont(const std::string& name, int32_t size, bool sizeInPoints, bool bold) override {
        CanvasCall c = Make(CanvasCall::SetFont);
        c.text = name, c.x = size, c.flag = sizeInPoints, c.bold = bold;
        Calls.push_back(c);
    }
    void SetFontPointSize(int32_t points) override {
        CanvasCall c = Make(CanvasCall::SetFontPointSize);
        c.x = points, c.flag = true;
        Calls.push_back(c);
    }
    bool IsPrinter() const override { return printer_; }

    // The texts written, in order.
    std::vector<RecordedText> Texts() const {
        std::vector<RecordedText> out;
        for (const CanvasCall& c : Calls)
            if (c.kind == CanvasCall::TextOut) out.push_back({c.x, c.y, c.text});
        return out;
    }

    // Every text written with exactly this content.
    std::vector<RecordedText> TextsEqual(const std::string& text) const {
        std::vector<RecordedText> out;
        for (const RecordedText& t : Texts())
            if (t.text == text) out.push_back(t);
        return out;
    }

    // The line segments drawn, each from the current position to a LineTo.
    std::vector<RecordedLine> Lines() const {
        std::vector<RecordedLine> out;
        int32_t px = 0, py = 0;
        for (const CanvasCall& c : Calls) {
            if (c.kind == CanvasCall::MoveTo) {
                px = c.x, py = c.y;
            } else if (c.kind == CanvasCall::LineTo) {
                out.push_back({px, py, c.x, c.y, c.mode});
                px = c.x, py = c.y;
            }
        }
        return out;
    }

    size_t Count(CanvasCall::Kind kind) const {
        size_t n = 0;
        for (const CanvasCall& c : Calls) n += c.kind == kind;
        return n;
    }

    void Clear() { Calls.clear(); }

private:
    CanvasCall Make(CanvasCall::Kind kind) const {
        CanvasCall c;
        c.kind = kind;
        c.mode = mode_;
        return c;
    }
    static int32_t CodePoints(const std::string& s) {
        int32_t n = 0;
        for (unsigned char ch : s) n += (ch & 0xC0) != 0x80;
        return n;
    }

    bool printer_;
    PenMode mode_ = PenMode::Copy;
};
