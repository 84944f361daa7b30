// The small functions through which every window shows message boxes, runs
// dialogs modally and asks for a printer, a file to save or a file to open. Each can be replaced, so that tests
// answer them without a person and record what the program asked.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QPrinter;
class QWidget;

// A message box with a text, a caption and one OK button.
void ShowMessageBox(const QString& text, const QString& caption);

// Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
int ExecModal(QDialog& dialog);

// The standard print dialog for printer (printer choice and settings, all
// pages unless the user gives a range). True when the user chose to print.
bool ExecPrintDialog(QPrinter& printer, QWidget* parent);

// The standard save dialog, asking where to save under one of the file
// types of filters ("Tekst (*.txt)", ...), with name proposed. chosenFilter
// is the type offered first and, on return, the type the user chose. Returns
// the chosen path, or an empty text when the user cancels.
QString ExecSaveFileDialog(QWidget* parent, const QString& name, const QStringList& filters, QString& chosenFilter);

// The standard open dialog for one existing file of one of the file types of
// filters. Returns its path, or an empty text when the user cancels.
QString ExecOpenFileDialog(QWidget* parent, const QString& caption, const QStringList& filters);

using MessageBoxFunction = std::function<void(const QString& text, const QString& caption)>;
using ExecModalFunction = std::function<int(QDialog& dialog)>;
using PrintDialogFunction = std::function<bool(QPrinter& printer, QWidget* parent)>;
using SaveFileFunction =
    std::function<QString(QWidget* parent, const QString& name, const QStringList& filters, QString& chosenFilter)>;
using OpenFileFunction = std::function<QString(QWidget* parent, const QString& caption, const QStringList& filters)>;

// Each setter installs its function and returns the one it replaced; an empty
// function puts the program's own behaviour back. The default message box and
// print dialog run through ExecModal, so replacing ExecModal alone also lets a
// test look at them.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function);
ExecModalFunction SetExecModalFunction(ExecModalFunction function);
PrintDialogFunction SetPrintDialogFunction(PrintDialogFunction function);
SaveFileFunction SetSaveFileFunction(SaveFileFunction function);
OpenFileFunction SetOpenFileFunction(OpenFileFunction function);
