// The small "Model" window beside the projection view: the inputs of the
// projection shown, in the user's own number format.
#pragma once

#include <QWidget>

class QPlainTextEdit;

class TModel : public QWidget {
    Q_OBJECT
public:
    explicit TModel(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
};

extern TModel* Model;
