#include "Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace {

MessageBoxFunction CurrentMessageBox;
ExecModalFunction CurrentExecModal;
PrintDialogFunction CurrentPrintDialog;

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

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function) {
    return std::exchange(CurrentMessageBox, std::move(function));
}

ExecModalFunction SetExecModalFunction(ExecModalFunction function) {
    return std::exchange(CurrentExecModal, std::move(function));
}

PrintDialogFunction SetPrintDialogFunction(PrintDialogFunction function) {
    return std::exchange(CurrentPrintDialog, std::move(function));
}
