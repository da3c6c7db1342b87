// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QFileDialog;
class QWidget;

// Stands in for the user in front of the program's modal windows: each modal window that opens
// while this object lives is recorded, handed to `answer` (which may type into it), then closed
// with its default acceptance (a message box's OK). A progress window is left to end with its work
// unless `answer` gives it up.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer = {});
    ~ModalAnswer();

    // The texts of the message boxes seen, in order.
    const QStringList& messages() const { return messages_; }
    const QStringList& captions() const { return captions_; }

private:
    struct Poller;
    Poller* poller_;
    QStringList messages_;
    QStringList captions_;
};

// Types a name into a file dialog as a user would and confirms it.
void TypeFileNameAndAccept(QFileDialog* dialog, const QString& name);
