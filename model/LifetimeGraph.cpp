#include "LifetimeGraph.h"

#include "Canvas.h"
#include "Lifetime.h"
#include "Lys_erkl.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;

constexpr int32_t GraphTop = 50;  // the 100 percent level
constexpr int32_t AxisX = 70;     // the age axis starts here
constexpr int32_t CursorRightEdge = 550;
constexpr int32_t PrinterWidth = 640;
constexpr int32_t PrinterHeight = 480;
constexpr int32_t PrinterYOffset = 50;

// Geometry rounds halves to the even neighbour (the default rounding mode).
int32_t Round(double x) { return std::isfinite(x) ? static_cast<int32_t>(std::nearbyint(x)) : 0; }

}  // namespace

LifetimeCrossings DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind, int32_t w, int32_t h) {
    const bool printer = kind == LifetimeCanvas::Printer;
    if (printer) {
        w = PrinterWidth;
        h = PrinterHeight;
    }
    const int32_t yOff = printer ? PrinterYOffset : 0;
    LifetimeCrossings crossing;

    canvas.SetPenColor(Black);
    canvas.SetTextColor(Black);
    if (!printer) canvas.FillRect(0, 0, w, h, White);
    const LifetimeState::Result& shown = Lifetime.Shown;
    if (shown.PersonCount != 1 && shown.PersonCount != 2) return crossing;  // nothing computed

    const bool two = shown.PersonCount == 2;
    const int32_t top = GraphTop;
    const int32_t gh = h - (shown.PersonCount + 4) * 50;
    const int32_t mid = w / 2;

    canvas.TextOut(mid - 30, yOff, " Levetid ");
    canvas.TextOut(10, 10 + yOff, "Levechance");
    canvas.TextOut(450, top + gh + 5 + yOff, "Alder");
    canvas.TextOut(25, top - 10 + yOff, "100%");
    canvas.MoveTo(60, top + gh + yOff);
    canvas.LineTo(550, top + gh + yOff);
    canvas.MoveTo(AxisX, top + yOff);
    canvas.LineTo(AxisX, top + gh + 10 + yOff);

    const double ppy = Lifetime.PixelsPerYear;
    for (int32_t p = 1; p <= shown.PersonCount; ++p) {
        const int32_t a = p == 1 ? shown.AgeA : shown.AgeB;
        const uint32_t colour = p == 1 ? Red : Blue;
        canvas.SetPenColor(colour);
        canvas.SetTextColor(colour);
        const double* chance =
            two ? (p == 1 ? Lifetime.ChanceA : Lifetime.ChanceB) : (shown.SexCode == 'm' ? Lifetime.ChanceA : Lifetime.ChanceB);
        int32_t* cross = crossing.X[p - 1];
        int32_t xPrev = AxisX, xCur = AxisX;
        double xf = AxisX;
        int32_t level = top + gh / 4;
        int32_t yPrev = top;
        int32_t crossings = 0;
        for (int32_t i = a; i <= 100; ++i) {
            const int32_t y = top + gh - Round(chance[i] / 100 * gh);
            canvas.MoveTo(xPrev, yPrev + yOff);
            canvas.LineTo(xCur, y + yOff);
            // At most one level per year, even when the curve drops past two.
            if (y > level && y > yPrev && crossings < 4) {
                cross[crossings] = Round(double(level - yPrev) * ppy / (y - yPrev)) + xPrev + 1;
                ++crossings;
                level += gh / 4;
            }
            yPrev = y;
            xPrev = xCur;
            xf += ppy;
            xCur = Round(xf);
            if (i % 10 == 0) canvas.TextOut(xPrev - 8, top + gh + (p == 1 ? 25 : 40) + yOff, std::to_string(i));
        }
    }

    canvas.SetPenColor(Black);
    canvas.SetTextColor(Black);
    if (two) {
        canvas.TextOut(10, top + gh + 25 + yOff, "A");
        canvas.TextOut(10, top + gh + 40 + yOff, "B");
        const int32_t nameY = top + gh / 4 + yOff;
        const bool aRight = crossing.X[0][0] >= crossing.X[1][0];
        canvas.SetTextColor(Red);
        canvas.TextOut(crossing.X[0][0] + (aRight ? 20 : -20), nameY, "A");
        canvas.SetTextColor(Blue);
        canvas.TextOut(crossing.X[1][0] + (aRight ? -20 : 20), nameY, "B");
    }

    canvas.SetTextColor(Black);
    canvas.TextOut(35, top - 10 + gh / 4 + yOff, "75");
    canvas.TextOut(35, top - 10 + gh / 2 + yOff, "50");
    canvas.TextOut(35, top - 10 + 3 * (gh / 4) + yOff, "25");

    canvas.SetPenColor(Black);
    for (int32_t k = 1; k <= 3; ++k) {
        const int32_t y = top + 2 + k * (gh / 4) + yOff;
        const int32_t xe = std::max(crossing.X[0][k - 1], crossing.X[1][k - 1]);
        if (xe > AxisX) {
            canvas.MoveTo(AxisX, y);
            canvas.LineTo(xe, y);
        }
    }

    // On the screen the result lines stand under the graph in the view instead.
    if (kind != LifetimeCanvas::Screen) {
        const int32_t lh = canvas.TextHeight("H") + 5;
        if (!two) {
            canvas.TextOut(50, top + 2 + 4 * (gh / 4) + 25 + yOff + 3 * lh, shown.LineA);
        } else {
            const int32_t b = top + 2 + 4 * (gh / 4) + 40 + yOff;
            canvas.TextOut(50, b + 3 * lh, "A: " + shown.LineA);
            canvas.TextOut(50, b + 4 * lh, "B: " + shown.LineB);
            canvas.TextOut(50, b + 5 * lh, "   " + shown.LineOutlive);
        }
    }
    return crossing;
}

int32_t LifetimeCursorXAfterStep(int32_t step) {
    const double ppy = Lifetime.PixelsPerYear;
    const int32_t x = State.ClickX;
    if (!(ppy > 0) || Lifetime.Shown.PersonCount == 0) return x;
    const bool shown = x > AxisX && x <= CursorRightEdge;
    const int32_t years = shown ? Round((x - AxisX) / ppy) + step : 1;
    const int32_t next = AxisX + Round(years * ppy);
    return next > AxisX && next <= CursorRightEdge ? next : x;
}

void DrawLifetimeCursor(Canvas& canvas, int32_t viewHeight) {
    const LifetimeState::Result& shown = Lifetime.Shown;
    const PenMode saved = canvas.GetPenMode();
    canvas.SetPenMode(PenMode::Invert);
    const int32_t lineTop = GraphTop;
    // As long as the graph drawn: erasing a line must cover what drawing it did.
    const int32_t persons = shown.PersonCount != 0 ? shown.PersonCount : Lifetime.PersonCount;
    const int32_t len = viewHeight - (persons + 4) * 50;

    const int32_t old = State.CursorLineX;
    if (old != 0 && old != State.ClickX) {
        canvas.FillRect(old, lineTop - 21, old + 200, lineTop - 4, White);
        canvas.MoveTo(old, lineTop);
        canvas.LineTo(old, lineTop + len);
    }

    const int32_t clickX = State.ClickX;
    if (clickX <= AxisX || clickX > CursorRightEdge) {
        State.CursorLineX = 0;
    } else {
        State.CursorLineX = clickX;
        // Before any result there is no scale; the line then stands without ages.
        const double ppy = Lifetime.PixelsPerYear;
        const bool scaled = ppy > 0 && shown.PersonCount != 0;
        const int32_t d = scaled ? Round((clickX - AxisX) / ppy) : 0;
        const int32_t ageA = shown.AgeA + d;
        const int32_t ageB = shown.AgeB + d;
        canvas.MoveTo(clickX, lineTop);
        canvas.LineTo(clickX, lineTop + len);
        std::string label;
        if (scaled && shown.PersonCount == 2) {
            if (ageA <= 100) label = "A: " + std::to_string(ageA);
            if (ageB <= 100) label += "  B: " + std::to_string(ageB);
        } else if (scaled && ageA <= 100) {
            label = std::to_string(ageA);
        }
        canvas.TextOut(clickX, lineTop - 20, label);
    }
    canvas.SetPenMode(saved);
}
