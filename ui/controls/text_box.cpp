// SPDX-License-Identifier: MIT
#include "ui/controls/text_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>

namespace {

// The keys with which a text box edits, moves its caret or selects, as this system spells them.
constexpr QKeySequence::StandardKey kEditingKeys[] = {
    QKeySequence::Undo,
    QKeySequence::Redo,
    QKeySequence::Cut,
    QKeySequence::Copy,
    QKeySequence::Paste,
    QKeySequence::SelectAll,
    QKeySequence::Deselect,
    QKeySequence::Delete,
    QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteStartOfWord,
    QKeySequence::DeleteEndOfLine,
    QKeySequence::DeleteCompleteLine,
    QKeySequence::MoveToNextWord,
    QKeySequence::MoveToPreviousWord,
    QKeySequence::MoveToStartOfLine,
    QKeySequence::MoveToEndOfLine,
    QKeySequence::MoveToStartOfDocument,
    QKeySequence::MoveToEndOfDocument,
    QKeySequence::SelectNextWord,
    QKeySequence::SelectPreviousWord,
    QKeySequence::SelectStartOfLine,
    QKeySequence::SelectEndOfLine,
    QKeySequence::SelectStartOfDocument,
    QKeySequence::SelectEndOfDocument,
};

bool IsEditingKey(const QKeyEvent& key) {
    for (const QKeySequence::StandardKey editing : kEditingKeys)
        if (key.matches(editing)) return true;
    // Typing, with or without Shift: letters, Backspace, Delete, Home, End, the arrows. The
    // function keys, Escape, Tab and Enter are the window's.
    if ((key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier)
        return false;
    const int code = key.key();
    constexpr int kWindowKeys[] = {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return,
                                   Qt::Key_Enter};
    return std::find(std::begin(kWindowKeys), std::end(kWindowKeys), code) ==
               std::end(kWindowKeys) &&
           !(code >= Qt::Key_F1 && code <= Qt::Key_F35);
}

}  // namespace

bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !isReadOnly() &&
        IsEditingKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    // QLineEdit selects the whole text when tabbed into; it selects nothing for other reasons.
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    if (event->reason() != Qt::MouseFocusReason) end(false);
}
