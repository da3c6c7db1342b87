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

    // Hands the paths to a running copy; false when none answers. With no paths it only asks
    // whether a copy runs.
    bool handToRunningCopy(const QStringList& paths, int timeoutMs = 2000) const;
    // Takes the meeting point for this copy, replacing one that a crashed copy left behind. False
    // when it can't be taken; the program then runs on its own.
    bool listen();

signals:
    void pathsReceived(const QStringList& paths);

private:
    QString serverName_;
    QLocalServer* server_ = nullptr;
};
