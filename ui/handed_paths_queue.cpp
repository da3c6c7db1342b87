// SPDX-License-Identifier: MIT
#include "ui/handed_paths_queue.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

HandedPathsQueue::HandedPathsQueue(Receiver receiver, QObject* parent)
    : QObject(parent), receiver_(std::move(receiver)) {}

void HandedPathsQueue::receive(const QStringList& paths) {
    pending_ += paths;
    deliverWhenNoModalWindow();
}

void HandedPathsQueue::deliverWhenNoModalWindow() {
    // The receiver itself may wait for the user in a message: what comes meanwhile goes after it.
    if (delivering_) return;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (watchedModal_ != modal) {
            if (watchedModal_) watchedModal_->removeEventFilter(this);
            watchedModal_ = modal;
            modal->installEventFilter(this);
        }
        return;
    }
    delivering_ = true;
    while (!pending_.isEmpty() && !QApplication::activeModalWidget())
        receiver_(std::exchange(pending_, {}));
    delivering_ = false;
    if (!pending_.isEmpty()) deliverWhenNoModalWindow();
}

bool HandedPathsQueue::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedModal_ && event->type() == QEvent::Hide) {
        watchedModal_->removeEventFilter(this);
        watchedModal_ = nullptr;
        // Once the modal window's own loop has ended; another modal window may have followed it.
        QTimer::singleShot(0, this, &HandedPathsQueue::deliverWhenNoModalWindow);
    }
    return QObject::eventFilter(watched, event);
}
