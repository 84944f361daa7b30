// The lifetime graph: one survival curve per person against age, the 75, 50
// and 25 percent levels marked where the curves cross them, and a click
// cursor labelled with the ages at that point. Drawn on any Canvas from the
// results computed last (ComputeLifetimeResults); drawing changes nothing
// but the canvas.
#pragma once

#include <cstdint>

struct Canvas;

// The canvases the graph is drawn on. They differ in the size the drawing
// assumes, the offset added to every y, the background fill and whether the
// result lines are written under the graph.
enum class LifetimeCanvas {
    Screen,   // the view's size, no offset, filled white
    Picture,  // the clipboard picture: the view's size, no offset, filled white, result lines
    Printer   // a 640 x 480 page: y shifted by 50, not filled, result lines
};

// Where each person's curve passes the 75, 50, 25 and 0 percent levels, in
// that order ([person 0..1][level]); 0 where it does not.
struct LifetimeCrossings {
    int32_t X[2][4] = {};
};

// The whole graph. width and height are the size the screen and the picture
// assume; the printer page is always 640 x 480.
LifetimeCrossings DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind, int32_t width, int32_t height);

// Erases the cursor line at State.CursorLineX and draws the one at
// State.ClickX (none when outside the curve area), inverting; updates
// CursorLineX. viewHeight is the height of the view the graph fills.
void DrawLifetimeCursor(Canvas& canvas, int32_t viewHeight);

// For the arrow keys: the ClickX of the cursor one year of age further
// (step 1) or back (step -1) from the one shown, or one year after the
// start when none is shown. At either end of the graph, and before any
// result, it stays where it is.
int32_t LifetimeCursorXAfterStep(int32_t step);
