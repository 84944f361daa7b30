#include "ToolGlyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <set>

namespace {

constexpr int Size = 25;

void DrawPrinter(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 11, 8);  // paper going in
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(3, 10, 19, 8);  // the printer
    p.setBrush(Qt::white);
    p.drawRect(7, 16, 11, 6);  // paper coming out
    p.setPen(QColor(0, 128, 0));
    p.drawPoint(19, 12);
}

void DrawHeading(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(5, 2, 15, 20);
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.drawLine(8, 6, 17, 6);  // the heading
    p.setPen(QPen(QColor(128, 128, 128), 1));
    for (int y = 10; y <= 19; y += 3) p.drawLine(8, y, 17, y);
}

void DrawCopy(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(170, 120, 60));
    p.drawRect(4, 4, 14, 18);  // clipboard
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(8, 2, 6, 4);  // clip
    p.setBrush(Qt::white);
    p.drawRect(11, 9, 11, 13);  // sheet
    p.setPen(QColor(128, 128, 128));
    for (int y = 12; y <= 19; y += 3) p.drawLine(13, y, 20, y);
}

void DrawTable(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 18, 18);
    p.setBrush(QColor(200, 215, 240));
    p.drawRect(3, 3, 18, 4);
    for (int y = 11; y <= 17; y += 4) p.drawLine(3, y, 21, y);
    p.drawLine(9, 3, 9, 21);
    p.drawLine(15, 3, 15, 21);
}

void DrawPyramid(QPainter& p) {
    const int halfWidths[] = {9, 8, 7, 6, 4, 2};
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < 6; ++i) {
        const int y = 20 - 3 * i;
        const int w = halfWidths[i];
        p.setBrush(QColor(90, 130, 200));
        p.drawRect(12 - w, y, w, 3);
        p.setBrush(QColor(210, 90, 90));
        p.drawRect(12, y, w, 3);
    }
}

void DrawTotalGraph(QPainter& p) {
    const int widths[] = {17, 16, 15, 13, 10, 6};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(90, 160, 90));
    for (int i = 0; i < 6; ++i) p.drawRect(4, 20 - 3 * i, widths[i], 3);
    p.drawLine(4, 2, 4, 23);
}

// The graph button's picture: a falling curve, 16 x 16.
void DrawCurve(QPainter& p, QColor axis, QColor line) {
    p.setPen(axis);
    p.drawLine(2, 1, 2, 14);
    p.drawLine(2, 14, 15, 14);
    p.setPen(line);
    p.drawLine(3, 2, 7, 3);
    p.drawLine(7, 3, 10, 7);
    p.drawLine(10, 7, 12, 12);
    p.drawLine(12, 12, 14, 13);
}

qreal ScreenRatio() { return qApp ? qApp->devicePixelRatio() : 1.0; }

QPixmap Blank(int width, int height, qreal ratio) {
    QPixmap glyph((QSizeF(width, height) * ratio).toSize());
    glyph.setDevicePixelRatio(ratio);
    glyph.fill(Qt::transparent);
    return glyph;
}

// The ratios a glyph is drawn at: 1, 2 and the screen's.
std::set<qreal> Ratios() { return {1.0, 2.0, ScreenRatio()}; }

}  // namespace

QPixmap BlankGlyph(int width, int height) { return Blank(width, height, ScreenRatio()); }

QIcon GlyphIcon(int width, int height, const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (qreal ratio : Ratios()) {
        QPixmap glyph = Blank(width, height, ratio);
        QPainter p(&glyph);
        draw(p);
        p.end();
        icon.addPixmap(glyph);
    }
    return icon;
}

QIcon ToolGlyphIcon(ToolGlyph kind) {
    if (kind == ToolGlyph::Graph) {
        // Its own grey picture when disabled.
        QIcon icon;
        for (qreal ratio : Ratios()) {
            for (bool enabled : {true, false}) {
                QPixmap glyph = Blank(16, 16, ratio);
                QPainter p(&glyph);
                DrawCurve(p, enabled ? Qt::black : Qt::gray, enabled ? Qt::red : Qt::gray);
                p.end();
                icon.addPixmap(glyph, enabled ? QIcon::Normal : QIcon::Disabled);
            }
        }
        return icon;
    }
    return GlyphIcon(Size, Size, [kind](QPainter& p) {
        switch (kind) {
            case ToolGlyph::Print: DrawPrinter(p); break;
            case ToolGlyph::Heading: DrawHeading(p); break;
            case ToolGlyph::Copy: DrawCopy(p); break;
            case ToolGlyph::Table: DrawTable(p); break;
            case ToolGlyph::Pyramid: DrawPyramid(p); break;
            case ToolGlyph::TotalGraph: DrawTotalGraph(p); break;
            case ToolGlyph::Graph: break;
        }
    });
}
