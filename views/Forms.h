// The program's windows are created once, at start, in a fixed order: the
// views attach themselves to the main window while they are created, so the
// main window comes first.
#pragma once

#include <QStringList>

// Creates every window once, in order; calling it again does nothing.
// Needs the QApplication.
void CreateForms();

// The object names of the windows in the order CreateForms created them.
const QStringList& CreatedForms();
