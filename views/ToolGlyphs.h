// The pictures on the program's buttons, drawn at run time. The views and
// the age-group dialog show the same output commands, so they share these.
// Each glyph is drawn at 1x and 2x (and at the screen's own ratio), so it
// stays sharp on high-density screens.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>

class QPainter;

// 25 x 25, but Graph 16 x 16 (with a grey picture of its own when disabled),
// Ok 19 x 16 and Cancel 20 x 20.
enum class ToolGlyph {
    Print,
    Heading,
    Copy,
    Table,
    Pyramid,
    TotalGraph,
    Graph,
    Continue,    // the projection view's "Fortsæt"
    AgeGroups,   // its "Aldersgruppe"
    Model,       // its model text
    Leave,       // the age-group dialog's close buttons
    ListResult,  // its "list the result"
    ClearAll,    // its "Slet alt"
    Ok,          // the heading dialog's buttons
    Cancel,
};

QIcon ToolGlyphIcon(ToolGlyph kind);

// An icon of width x height drawn by draw in those logical units, at every
// device pixel ratio the program may show it at.
QIcon GlyphIcon(int width, int height, const std::function<void(QPainter&)>& draw);

// A transparent picture of width x height logical pixels to draw a button's
// glyph on, at the screen's device pixel ratio.
QPixmap BlankGlyph(int width, int height);
