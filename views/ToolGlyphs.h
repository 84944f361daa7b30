// The pictures on the view tool bars' buttons, drawn at run time. The
// projection view and the census view show the same six commands, so they
// share these.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class ToolGlyph { Print, Heading, Copy, Table, Pyramid, TotalGraph };

QIcon ToolGlyphIcon(ToolGlyph kind);

// A transparent picture to draw a button's glyph on.
QPixmap BlankGlyph(int width, int height);
