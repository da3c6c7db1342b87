// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// A one-line text box that, getting the focus by the keyboard, selects nothing and puts the caret
// at the end: the first key press adds to a command instead of replacing it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
