// One way from a key press to a field's key handler. Every filtered field of
// every window goes through it, so Enter, Backspace, shortcuts and editing
// keys mean the same everywhere.
#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QPushButton;

// What a key press brings into a field.
struct TypedKey {
    enum Kind {
        Pass,   // no typed character: shortcuts (Ctrl+C/V/X/A/Z), editing keys, Tab
        Typed,  // Character is typed: printable text, Enter (13) or Backspace (8)
        Drop,   // a printable character with Alt or Meta held: it never types
    } Kind = Pass;
    char32_t Character = 0;
};
TypedKey TypedCharacter(const QKeyEvent* event);

// A field's key handler: it receives the typed character and may replace it;
// 0 drops the key.
using KeyHandler = std::function<void(char32_t& key)>;

// Filters the key presses of one line edit through its handler; owned by the
// field. A kept character goes on to the field, a replaced one is inserted
// instead, a dropped one goes nowhere.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    KeyFilter(QLineEdit* edit, KeyHandler handler);

    // While this button is enabled Enter goes to it, as to a dialog's default
    // button, before the handler sees it.
    void SetEnterButton(QPushButton* button) { enterButton_ = button; }
    // A field for free text: characters typed with Alt or Meta are left to
    // the field (they are what some keyboards type letters with).
    void SetFreeText(bool free) { freeText_ = free; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    KeyHandler handler_;
    QPushButton* enterButton_ = nullptr;
    bool freeText_ = false;
};

// Installs a KeyFilter on the field and returns it.
KeyFilter* FilterKeys(QLineEdit* edit, KeyHandler handler);
