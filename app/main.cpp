// Lysvandre: a teaching program about population.
#include "Forms.h"
#include "Mainunit.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CreateForms();
    Form1->show();
    return application.exec();
}
