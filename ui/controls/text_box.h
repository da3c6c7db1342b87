// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// A one-line text box that, getting the focus by the keyboard, selects nothing and puts the caret
// at the end: the first key press adds to a command instead of replacing it. Its editing keys are
// its own while it has the focus: a window command on the same key (Ctrl+Delete, Ctrl+Z) waits
// until the focus is elsewhere.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};
