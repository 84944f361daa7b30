// The pictures on the view tool bars' buttons, drawn at run time. The
// projection view and the census view show the same six commands, so they
// share these. Each glyph is drawn at 1x and 2x (and at the screen's own
// ratio), so it stays sharp on high-density screens.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>

class QPainter;

enum class ToolGlyph { Print, Heading, Copy, Table, Pyramid, TotalGraph, Graph };

QIcon ToolGlyphIcon(ToolGlyph kind);

// An icon of width x height drawn by draw in those logical units, at every
// device pixel ratio the program may show it at.
QIcon GlyphIcon(int width, int height, const std::function<void(QPainter&)>& draw);

// A transparent picture of width x height logical pixels to draw a button's
// glyph on, at the screen's device pixel ratio.
QPixmap BlankGlyph(int width, int height);
