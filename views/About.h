// The About box: the program's name, its version and the maker line. The
// caption of Version is the one place the version is kept; the main window
// builds its title from it.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* MakerLine;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutBox* AboutBox;
