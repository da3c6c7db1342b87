// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

// Paths handed over by later starts wait here while a modal window is open (the Save or Open
// dialog, a message, the settings), then go to the window together once it has closed: a save
// under the dialog writes the playlist the user saw when it opened.
class HandedPathsQueue : public QObject {
    Q_OBJECT
public:
    using Receiver = std::function<void(const QStringList& paths)>;
    explicit HandedPathsQueue(Receiver receiver, QObject* parent = nullptr);

    void receive(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliverWhenNoModalWindow();

    Receiver receiver_;
    QStringList pending_;
    QPointer<QWidget> watchedModal_;
    bool delivering_ = false;
};
