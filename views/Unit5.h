// The small "Model" window beside the projection view: the inputs of the
// projection shown, in the user's own number format.
#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

class TModel : public QWidget {
    Q_OBJECT
public:
    explicit TModel(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;

    // Shows the window with these lines, as tall as they need.
    void ShowLines(const QStringList& lines);
    // Closes the window if it is open.
    void Dismiss();
};

extern TModel* Model;
