#include "Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace {

// The functions in force, kept for the whole run: tests install their own.
MessageBoxFunction CurrentMessageBox;
ExecModalFunction CurrentExecModal;
PrintDialogFunction CurrentPrintDialog;
SaveFileFunction CurrentSaveFile;
OpenFileFunction CurrentOpenFile;
// The folder of the last save, offered again: kept for the whole run.
QString LastSaveFolder;

void DefaultMessageBox(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName("MessageBox");
    ExecModal(box);
}

bool DefaultPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog");
    // No selection or current page; the printouts honour a page range where
    // the dialog offers one anyway.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    return ExecModal(dialog) == QDialog::Accepted;
}

// "Tekst (*.txt)" -> "txt".
QString FilterSuffix(const QString& filter) {
    const qsizetype dot = filter.lastIndexOf("*.");
    return dot < 0 ? QString() : filter.mid(dot + 2).section(')', 0, 0).section(' ', 0, 0);
}

QString DefaultSaveFile(QWidget* parent, const QString& name, const QStringList& filters, QString& chosenFilter) {
    QFileDialog dialog(parent, "Gem som");
    dialog.setObjectName("SaveFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (!chosenFilter.isEmpty()) dialog.selectNameFilter(chosenFilter);
    // A name typed without a type gets the chosen one, before the dialog
    // asks whether to replace an existing file.
    dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
    dialog.setDirectory(LastSaveFolder.isEmpty() ? QDir::homePath() : LastSaveFolder);
    dialog.selectFile(name);
    if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    chosenFilter = dialog.selectedNameFilter();
    const QString path = dialog.selectedFiles().constFirst();
    LastSaveFolder = QFileInfo(path).absolutePath();
    return path;
}

QString DefaultOpenFile(QWidget* parent, const QString& caption, const QStringList& filters) {
    QFileDialog dialog(parent, caption);
    dialog.setObjectName("OpenFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(QDir::homePath());
    if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void ShowMessageBox(const QString& text, const QString& caption) {
    if (CurrentMessageBox)
        CurrentMessageBox(text, caption);
    else
        DefaultMessageBox(text, caption);
}

int ExecModal(QDialog& dialog) {
    return CurrentExecModal ? CurrentExecModal(dialog) : dialog.exec();
}

bool ExecPrintDialog(QPrinter& printer, QWidget* parent) {
    return CurrentPrintDialog ? CurrentPrintDialog(printer, parent) : DefaultPrintDialog(printer, parent);
}

QString ExecSaveFileDialog(QWidget* parent, const QString& name, const QStringList& filters, QString& chosenFilter) {
    return CurrentSaveFile ? CurrentSaveFile(parent, name, filters, chosenFilter)
                           : DefaultSaveFile(parent, name, filters, chosenFilter);
}

QString ExecOpenFileDialog(QWidget* parent, const QString& caption, const QStringList& filters) {
    return CurrentOpenFile ? CurrentOpenFile(parent, caption, filters) : DefaultOpenFile(parent, caption, filters);
}

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function) {
    return std::exchange(CurrentMessageBox, std::move(function));
}

ExecModalFunction SetExecModalFunction(ExecModalFunction function) {
    return std::exchange(CurrentExecModal, std::move(function));
}

PrintDialogFunction SetPrintDialogFunction(PrintDialogFunction function) {
    return std::exchange(CurrentPrintDialog, std::move(function));
}

SaveFileFunction SetSaveFileFunction(SaveFileFunction function) {
    return std::exchange(CurrentSaveFile, std::move(function));
}

OpenFileFunction SetOpenFileFunction(OpenFileFunction function) {
    return std::exchange(CurrentOpenFile, std::move(function));
}
