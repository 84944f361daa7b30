// One QApplication for all window tests, offscreen, with a pinned locale.
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Remembered imports go to a folder of this run's own: never the user's,
    // and never that of a test running beside it (the tests run in parallel).
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
