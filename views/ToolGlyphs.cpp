#include "ToolGlyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
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

// A time line with an arrow running on to a later year.
void DrawContinue(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(2, 18, 22, 18);
    for (int x = 4; x <= 20; x += 4) p.drawLine(x, 16, x, 20);
    p.setBrush(QColor(0, 128, 0));
    const QPoint arrow[] = {{6, 6}, {16, 6}, {16, 2}, {23, 9}, {16, 16}, {16, 12}, {6, 12}};
    p.drawPolygon(arrow, 7);
}

// A stack of age bars with a bracket round some of them.
void DrawAgeGroups(QPainter& p) {
    const int widths[] = {14, 13, 11, 9, 6};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 170, 90));
    for (int i = 0; i < 5; ++i) p.drawRect(3, 19 - 4 * i, widths[i], 3);
    p.setPen(QPen(QColor(160, 0, 0), 2));
    p.drawLine(20, 8, 22, 8);
    p.drawLine(22, 8, 22, 19);
    p.drawLine(20, 19, 22, 19);
}

// A small form with three filled-in fields.
void DrawModel(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 18, 18);
    p.setBrush(QColor(200, 215, 240));
    for (int y = 6; y <= 16; y += 5) {
        p.setPen(QColor(128, 128, 128));
        p.drawLine(6, y + 1, 11, y + 1);
        p.setPen(Qt::black);
        p.drawRect(13, y, 6, 3);
    }
}

// An open door.
void DrawLeave(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(5, 3, 14, 19);  // the frame
    p.setBrush(QColor(170, 120, 60));
    QPolygonF door;
    door << QPointF(5, 3) << QPointF(12, 6) << QPointF(12, 24) << QPointF(5, 22);
    p.drawPolygon(door);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(10.5, 14), 0.8, 0.8);
}

// A green arrow into a list.
void DrawListResult(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(11, 3, 11, 18);
    p.setPen(QColor(128, 128, 128));
    for (int y = 7; y <= 18; y += 3) p.drawLine(13, y, 20, y);
    p.setPen(QPen(QColor(0, 128, 0), 1));
    p.setBrush(QColor(0, 160, 0));
    QPolygonF arrow;
    arrow << QPointF(2, 10) << QPointF(8, 10) << QPointF(8, 6) << QPointF(14, 12) << QPointF(8, 18)
          << QPointF(8, 14) << QPointF(2, 14);
    p.drawPolygon(arrow);
}

// A red cross over a sheet.
void DrawClearAll(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(5, 3, 14, 19);
    p.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(17, 18));
    p.drawLine(QPointF(17, 7), QPointF(7, 18));
}

// A green tick, 19 x 16.
void DrawOk(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(7.5, 13);
    tick.lineTo(16, 3);
    p.drawPath(tick);
}

// A red cross, 20 x 20.
void DrawCancel(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(15, 15));
    p.drawLine(QPointF(15, 5), QPointF(5, 15));
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
    QSize size(Size, Size);
    if (kind == ToolGlyph::Ok) size = QSize(19, 16);
    if (kind == ToolGlyph::Cancel) size = QSize(20, 20);
    return GlyphIcon(size.width(), size.height(), [kind](QPainter& p) {
        switch (kind) {
            case ToolGlyph::Print: DrawPrinter(p); break;
            case ToolGlyph::Heading: DrawHeading(p); break;
            case ToolGlyph::Copy: DrawCopy(p); break;
            case ToolGlyph::Table: DrawTable(p); break;
            case ToolGlyph::Pyramid: DrawPyramid(p); break;
            case ToolGlyph::TotalGraph: DrawTotalGraph(p); break;
            case ToolGlyph::Graph: break;
            case ToolGlyph::Continue: DrawContinue(p); break;
            case ToolGlyph::AgeGroups: DrawAgeGroups(p); break;
            case ToolGlyph::Model: DrawModel(p); break;
            case ToolGlyph::Leave: DrawLeave(p); break;
            case ToolGlyph::ListResult: DrawListResult(p); break;
            case ToolGlyph::ClearAll: DrawClearAll(p); break;
            case ToolGlyph::Ok: DrawOk(p); break;
            case ToolGlyph::Cancel: DrawCancel(p); break;
        }
    });
}
