#include "tests/support/modal_answer.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

struct ModalAnswer::Poller : QObject {
    QTimer timer;
};

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer) : poller_(new Poller) {
    poller_->timer.setInterval(5);
    QObject::connect(&poller_->timer, &QTimer::timeout, poller_, [this, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages_.append(box->text());
            captions_.append(box->windowTitle());
        }
        if (answer) answer(modal);
        if (modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
        }
    });
    poller_->timer.start();
}

ModalAnswer::~ModalAnswer() {
    delete poller_;
}
