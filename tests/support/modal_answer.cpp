// SPDX-License-Identifier: MIT
#include "tests/support/modal_answer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

struct ModalAnswer::Poller : QObject {
    QTimer timer;
    QWidget* lastModal = nullptr;
    int rounds = 0;
};

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer) : poller_(new Poller) {
    poller_->timer.setInterval(5);
    QObject::connect(&poller_->timer, &QTimer::timeout, poller_, [this, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        // A progress window ends with its work, however long a slow build takes for it; closing it
        // would give the work up. It is answered once, like any other window.
        const bool isProgress = qobject_cast<QProgressDialog*>(modal) != nullptr;
        if (isProgress && modal == poller_->lastModal) return;
        // A window that the answer can't close would hang the test: fail it and close it.
        if (modal == poller_->lastModal && ++poller_->rounds > 100) {
            ADD_FAILURE() << "a modal window did not close: " << modal->metaObject()->className();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            modal->hide();
            return;
        }
        if (modal != poller_->lastModal) poller_->rounds = 0;
        poller_->lastModal = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages_.append(box->text());
            captions_.append(box->windowTitle());
        }
        if (answer) answer(modal);
        if (modal->isVisible() && !isProgress) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
        }
    });
    poller_->timer.start();
}

ModalAnswer::~ModalAnswer() {
    delete poller_;
}

void TypeFileNameAndAccept(QFileDialog* dialog, const QString& name) {
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
    const auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    for (QAbstractButton* button : buttons->buttons())
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) button->click();
}
