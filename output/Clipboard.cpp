// Copies to the clipboard: a view's table as text through the main window's
// hidden Memo1, or its chart as a picture.
#include "Output.h"

#include "Lys_erkl.h"
#include "Mainunit.h"
#include "Overskr.h"
#include "QtCanvas.h"

#include <QApplication>
#include <QClipboard>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

void CopyLines(const QStringList& lines) {
    QTextEdit* memo = Form1->Memo1;
    memo->clear();
    // Line by line as plain text: a table line is never taken for markup.
    // The font goes with every line, so the rich text carries it.
    QTextCharFormat format;
    format.setFont(memo->font());
    QTextCursor cursor(memo->document());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock(QTextBlockFormat(), format);
        cursor.insertText(lines[i], format);
    }
    CopyMemo1();
}

void CopyTableLines() {
    QStringList lines;
    if (HeadingUsed()) lines << Overskrif->HeadingText << " ";
    for (const std::string& line : State.TableLines) lines << ToQString(line);
    CopyLines(lines);
}

void CopyMemo1() {
    Form1->Memo1->selectAll();
    Form1->Memo1->copy();
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
