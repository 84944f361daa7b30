// Copies to the clipboard: text through a text field, or a chart as a picture.
#include "Output.h"

#include "QtCanvas.h"

#include <QApplication>
#include <QClipboard>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

void CopyLines(QTextEdit& field, const QStringList& lines) {
    field.clear();
    // Line by line as plain text: a table line is never taken for markup.
    // The font goes with every line, so the rich text carries it.
    QTextCharFormat format;
    format.setFont(field.font());
    QTextCursor cursor(field.document());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock(QTextBlockFormat(), format);
        cursor.insertText(lines[i], format);
    }
    CopyFieldText(field);
}

void CopyFieldText(QTextEdit& field) {
    field.selectAll();
    field.copy();
}

QImage ChartPicture(QSize paintBox, const ChartDrawing& draw) {
    QImage picture(std::max(paintBox.width(), 1), std::max(paintBox.height() + 80, 1), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QtCanvas canvas(&picture);
        // Courier New in the picture's default size and style.
        QFont font = canvas.Font();
        font.setFamily("Courier New");
        canvas.SetQFont(font);
        draw(canvas);
    }
    return picture;
}

void CopyChartPicture(QSize paintBox, const ChartDrawing& draw) {
    QApplication::clipboard()->setImage(ChartPicture(paintBox, draw));
}
