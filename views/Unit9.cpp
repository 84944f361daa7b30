#include "Unit9.h"

#include "ViewWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

TForm9* Form9 = nullptr;

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
    setObjectName("Form9");
    setWindowTitle("  Vejledning");
    setFont(CourierNew(16, true));
    setGeometry(127, 176, 762, 189);

    Label1 = new QLabel("Nærmere oplysninger om programmet og dets brug findes i elevteksterne:", this);
    Label1->setObjectName("Label1");
    Label1->move(24, 24);
    Label1->adjustSize();

    Label2 = new QLabel("ULKE-Tema: Levetid                ULKE-Tema: Befolkningsprognose", this);
    Label2->setObjectName("Label2");
    Label2->setFont(CourierNew(19, true));
    Label2->move(24, 56);
    Label2->adjustSize();

    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(624, 104, 75, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}
