// "Gem som ...": the view on show saved as a file. A table is saved as text
// (the lines as printed, heading included) or as CSV (its figures), a chart
// as a PNG picture (the clipboard picture) or a PDF page (the printout). The
// file type follows the name's extension.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Whether a view has a table or a chart on show: the view printing and
// copying act on.
bool ViewOnShowCanBeSaved();

// The file types offered for what is on show; none when nothing is.
QStringList SaveFileTypes();

// Asks for a file and saves what is on show into it. Nothing happens when
// nothing is on show or the user cancels; a file that cannot be written is
// reported and left as it was.
void SaveViewOnShow(QWidget* parent);
