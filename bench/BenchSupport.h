// Start-up shared by the benchmarks that need Qt: the benchmark main makes no
// application object, so the first benchmark to run makes one, offscreen.
#pragma once

#include "Forms.h"
#include "Mainunit.h"

#include <QApplication>

// An application object, enough for fonts and images.
inline void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lysvandre_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// The program as a user starts it: every window created and the main window
// shown (which loads the built-in data).
inline void EnsureProgram() {
    EnsureApplication();
    if (Form1) return;
    CreateForms();
    Form1->show();
    QApplication::processEvents();
}
