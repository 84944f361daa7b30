// The pictures on the view tool bars' buttons, drawn at run time. The
// projection view and the census view show the same six commands, so they
// share these.
#pragma once

#include <QIcon>

enum class ToolGlyph { Print, Heading, Copy, Table, Pyramid, TotalGraph };

QIcon ToolGlyphIcon(ToolGlyph kind);
