// SPDX-License-Identifier: MIT
#include "ui/controls/text_box.h"

#include <QFocusEvent>

void TextBox::focusInEvent(QFocusEvent* event) {
    // QLineEdit selects the whole text when tabbed into; it selects nothing for other reasons.
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    if (event->reason() != Qt::MouseFocusReason) end(false);
}
