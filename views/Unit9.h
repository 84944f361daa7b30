// The guide window: points the pupil to the two printed student texts.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn1;  // the default button: Enter closes the window
};

extern TForm9* Form9;
