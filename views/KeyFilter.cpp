#include "KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Shortcuts a line edit acts on although they come with a printable text
// (synthesized events carry the letter).
bool IsEditShortcut(const QKeyEvent* event) {
    for (QKeySequence::StandardKey key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                          QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (event->matches(key)) return true;
    return false;
}

bool Printable(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (!c.isPrint() && !c.isSurrogate()) return false;
    return true;
}

}  // namespace

TypedKey TypedCharacter(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {TypedKey::Typed, 13};
        case Qt::Key_Backspace:
            // With Ctrl it deletes a word; either way the field's rule decides.
            return {TypedKey::Typed, 8};
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return {};
        default:
            break;
    }
    // Delete comes with the text "\x7f" on X11, Escape with "\x1b", Ctrl+V
    // with "\x16": not printable, so they pass as the keys they are.
    const QString text = event->text();
    if (!Printable(text) || IsEditShortcut(event)) return {};
    const Qt::KeyboardModifiers held = event->modifiers();
    if (held & (Qt::AltModifier | Qt::MetaModifier)) return {TypedKey::Drop, 0};
    // Ctrl alone never types: the field leaves such keys to its shortcuts.
    if (held & Qt::ControlModifier) return {};
    const QList<uint> characters = text.toUcs4();
    if (characters.size() != 1) return {};  // several at once: handled as text, below
    return {TypedKey::Typed, characters.front()};
}

KeyFilter::KeyFilter(QLineEdit* edit, KeyHandler handler) : QObject(edit), edit_(edit), handler_(std::move(handler)) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const TypedKey typed = TypedCharacter(key);

    if (typed.Kind == TypedKey::Drop) return !freeText_;
    if (typed.Kind == TypedKey::Pass) {
        // A key that brings several characters at once (a compose sequence)
        // goes through the handler character by character.
        const QString text = key->text();
        if (text.size() < 2 || !Printable(text) || (key->modifiers() & Qt::ControlModifier) ||
            IsEditShortcut(key))
            return false;
        QString kept;
        for (uint c : text.toUcs4()) {
            char32_t one = c;
            if (handler_) handler_(one);
            if (one != 0) kept += QString::fromUcs4(&one, 1);
        }
        if (kept == text) return false;
        edit_->insert(kept);
        return true;
    }

    if (typed.Character == 13 && enterButton_ && enterButton_->isEnabled()) {
        enterButton_->click();
        return true;
    }
    char32_t character = typed.Character;
    if (handler_) handler_(character);
    if (character == 0) return true;
    if (character != typed.Character) {
        edit_->insert(QString::fromUcs4(&character, 1));
        return true;
    }
    return false;
}

KeyFilter* FilterKeys(QLineEdit* edit, KeyHandler handler) {
    auto* filter = new KeyFilter(edit, std::move(handler));
    edit->installEventFilter(filter);
    return filter;
}
