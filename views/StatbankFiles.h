// The files behind "Indlæs tal fra Statistikbanken": the file the user opens
// and the copy of the imported tables kept in the user's application data
// folder until "Glem indlæste tal".
#pragma once

#include <QByteArray>
#include <QString>

// The remembered tables' file.
QString RememberedImportsPath();

// Reads the remembered tables into the core at start; a missing or damaged
// file leaves what it cannot read.
void LoadRememberedImports();

// Writes the core's imported tables to the remembered file (safely: the old
// copy stays until the new one is complete), or removes it when there are
// none. False with the reason when that failed.
bool RememberImports(QString& reason);

// At most one byte more than the core accepts, so that a huge file is refused
// without reading it all; false with the reason when it cannot be read.
bool ReadChosenFile(const QString& path, QByteArray& bytes, QString& reason);
