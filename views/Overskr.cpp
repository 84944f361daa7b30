#include "Overskr.h"

#include "InputRules.h"
#include "KeyFilter.h"
#include "OutputCommands.h"
#include "PrintLayout.h"
#include "ToolGlyphs.h"
#include "ViewWindow.h"

#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TOverskrif* Overskrif = nullptr;

void TOverskrif::ClearHeading() {
    HeadingText.clear();
    Edit1->clear();
}

TOverskrif::TOverskrif(QWidget* parent) : QDialog(parent) {
    setObjectName("Overskrif");
    setWindowTitle("   Overskrift");
    // A sizeable frame with the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(229, 123, 389, 119);
    setFont(CourierNew(13));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    face.setColor(QPalette::WindowText, Qt::black);
    setPalette(face);
    setAutoFillBackground(true);

    Bevel1 = AddBevel(this, "Bevel1", QRect(16, 8, 361, 73));

    Label1 = new QLabel(" Navn eller overskrift til udskrifter: ", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(24, 16, 312, 16);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(48, 40, 297, 24);
    // Free text: every key passes but Enter, and Alt keeps its letters.
    FilterKeys(Edit1, [this](char32_t& key) { Edit1KeyPress(key); })->SetFreeText(true);

    BitBtn1 = new QPushButton(ToolGlyphIcon(ToolGlyph::Ok), "OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(56, 88, 65, 25);
    BitBtn1->setIconSize(QSize(19, 16));
    connect(BitBtn1, &QPushButton::clicked, this, &TOverskrif::BitBtn1Click);

    BitBtn2 = new QPushButton(ToolGlyphIcon(ToolGlyph::Cancel), "&Fortryd", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(264, 88, 89, 25);
    BitBtn2->setIconSize(QSize(20, 20));
    connect(BitBtn2, &QPushButton::clicked, this, &TOverskrif::BitBtn2Click);

    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

// A modal dialog becomes the active window each time it is shown.
void TOverskrif::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void TOverskrif::FormActivate() {
    Edit1->setFocus();
    ActivateHeadingDialog(Edit1->text().toStdString());
    SavedHeading = QString::fromStdString(Heading.SavedHeading);
}

void TOverskrif::Edit1KeyPress(char32_t& key) {
    if (key != EnterKey) return;
    BitBtn1->setFocus();
    key = 0;
}

void TOverskrif::BitBtn1Click() {
    AcceptHeading(Edit1->text().toStdString());
    HeadingText = QString::fromStdString(Heading.HeadingText);
    accept();
}

// The field keeps what was typed; only the heading goes back.
void TOverskrif::BitBtn2Click() {
    CancelHeading();
    HeadingText = QString::fromStdString(Heading.HeadingText);
    reject();
}

// Escape is the Fortryd button. The close box ends the dialog through
// reject() alone and so changes nothing.
void TOverskrif::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool HeadingUsed() { return Overskrif && HeadingIsUsed(Overskrif->HeadingText.toStdString()); }
