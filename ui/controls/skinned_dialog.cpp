// SPDX-License-Identifier: MIT
#include "ui/controls/skinned_dialog.h"

#include <QKeyEvent>
#include <QScreen>

#include "platform/window_title.h"
#include "ui/window_builder.h"

SkinnedDialog::SkinnedDialog(QSize size, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint) {
    SetUpSkinnedWindow(this, size);
    setModal(true);
}

void SkinnedDialog::showModal() {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SkinnedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ClearWindowTitle(windowHandle());
}
