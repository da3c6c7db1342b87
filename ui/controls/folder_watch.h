// SPDX-License-Identifier: MIT
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Watches one folder and reports that its entries changed, once per burst: copying a whole album
// into the folder raises one report, not one per file.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(QObject* parent = nullptr);

    // Watches this folder from now on, and no other.
    void watch(const QString& folder);

signals:
    void changed();

private:
    QFileSystemWatcher watcher_;
    QTimer settle_;
};
