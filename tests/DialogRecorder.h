// Answers the program's message boxes, modal dialogs and print dialogs while
// it lives, and records what the program asked. Put one on the stack of a
// test; the program's own functions come back when it goes.
#pragma once

#include "Dialogs.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class DialogRecorder {
public:
    struct Message {
        std::string Text;
        std::string Caption;
    };

    std::vector<Message> Messages;
    QStringList ExecutedDialogs;  // object names, in order
    int PrintDialogs = 0;

    // How a modal dialog is answered. The default accepts it without showing
    // it; a test may drive the dialog's controls here first, or return
    // dialog.exec() to run it for real.
    std::function<int(QDialog&)> OnExec = [](QDialog&) { return int(QDialog::Accepted); };
    bool PrintAnswer = false;

    DialogRecorder() {
        SavedMessageBox = SetMessageBoxFunction([this](const QString& text, const QString& caption) {
            Messages.push_back({text.toStdString(), caption.toStdString()});
        });
        SavedExecModal = SetExecModalFunction([this](QDialog& dialog) {
            ExecutedDialogs.append(dialog.objectName());
            return OnExec(dialog);
        });
        SavedPrintDialog = SetPrintDialogFunction([this](QPrinter&, QWidget*) {
            ++PrintDialogs;
            return PrintAnswer;
        });
    }

    ~DialogRecorder() {
        SetMessageBoxFunction(SavedMessageBox);
        SetExecModalFunction(SavedExecModal);
        SetPrintDialogFunction(SavedPrintDialog);
    }

    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    // Leaves the message box, print dialog and exec functions of the program
    // in place except the one a test wants to look through.
    void UseProgramMessageBox() { SetMessageBoxFunction({}); }
    void UseProgramPrintDialog() { SetPrintDialogFunction({}); }

private:
    MessageBoxFunction SavedMessageBox;
    ExecModalFunction SavedExecModal;
    PrintDialogFunction SavedPrintDialog;
};
