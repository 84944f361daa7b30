// Lysvandre: a teaching program about population.
#include "Forms.h"
#include "Mainunit.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Without them the program still runs, with the toolkit's texts in English.
    InstallDanishToolkitTexts();
    CreateForms();
    Form1->show();
    return application.exec();
}
