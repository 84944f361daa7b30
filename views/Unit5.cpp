#include "Unit5.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>
#include <QVBoxLayout>

TModel* Model = nullptr;

TModel::TModel(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Model");
    setWindowTitle("Model");
    move(238, 110);
    resize(420, 140);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font("Courier");
    font.setPixelSize(16);
    Memo1->setFont(font);

    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Memo1);
}

void TModel::ShowLines(const QStringList& lines) {
    // The net migration's two lines make the window taller, and wider where
    // a line would not fit.
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, Memo1->fontMetrics().horizontalAdvance(line));
    const int frame = 2 * (Memo1->frameWidth() + static_cast<int>(Memo1->document()->documentMargin())) + 4;
    resize(std::max(420, widest + frame), 140 + 20 * (static_cast<int>(lines.size()) - 5));
    Memo1->clear();
    for (const QString& line : lines) Memo1->appendPlainText(line);
    show();
}

void TModel::Dismiss() {
    if (isVisible()) close();
}
