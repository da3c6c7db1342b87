// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// One running copy per user: a later start hands its arguments to the copy that runs, so that
// "Open with" on several playlists in turn fills one window instead of opening one per file.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The meeting point of this user's copies (a socket in the user's private runtime folder).
    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultServerName();

    enum class HandOver {
        Handed,
        NoCopyRuns,
        // The meeting point is another user's, or may be: nothing was sent, and this copy must run
        // on its own, as it can't take the meeting point either.
        ForeignSocket,
    };
    // Hands the paths to a running copy of this user. With no paths it only asks whether a copy
    // runs.
    HandOver handToRunningCopy(const QStringList& paths, int timeoutMs = 2000) const;
    // Takes the meeting point for this copy, replacing one that a crashed copy of this user left
    // behind. False when it can't be taken; the program then runs on its own.
    bool listen();
    const QString& serverName() const { return serverName_; }

signals:
    // The paths of one hand-over, or of several that came while the receiver of an earlier one
    // waited for the user: they come one batch at a time, never inside one another.
    void pathsReceived(const QStringList& paths);

private:
    void deliver(const QStringList& paths);

    QString serverName_;
    QLocalServer* server_ = nullptr;
    QStringList pending_;
    bool delivering_ = false;
};
