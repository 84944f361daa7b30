#include "About.h"

#include "Pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

TAboutBox* AboutBox = nullptr;

namespace {

QFont Font(const char* family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int x, int y, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(Font("System", 13, false));
    setFixedSize(383, 199);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    // Lowered outside, raised inside.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 369, 149);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setGeometry(80, 24, 33, 33);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(::ProgramIcon().pixmap(32, 32));

    ProductName = AddLabel(Panel1, "ProductName", "Lysvandre", 128, 24, Font("MS Sans Serif", 24, true));
    Version = AddLabel(Panel1, "Version", "Version 110109", 136, 76, Font("MS Sans Serif", 11, true));
    MakerLine = AddLabel(Panel1, "MakerLine", "Skrevet af Lysvandre-holdet til brug i skolen",
                         8, 108, Font("MS Sans Serif", 16, true));
    MakerLine->setFixedSize(355, 20);
    MakerLine->setAlignment(Qt::AlignCenter);

    OKButton = new QPushButton("&OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(147, 162, 77, 27);
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

// Centred on the screen, not on the main window.
void TAboutBox::showEvent(QShowEvent* event) {
    QScreen* where = parentWidget() ? parentWidget()->screen() : screen();
    QRect box = frameGeometry();
    box.moveCenter(where->geometry().center());
    move(box.topLeft());
    OKButton->setFocus();
    // An empty title would make the window system show the program's file
    // name in the title bar instead; a blank keeps the bar empty.
    if (QWindow* window = windowHandle()) window->setTitle(QStringLiteral(" "));
    QDialog::showEvent(event);
}
