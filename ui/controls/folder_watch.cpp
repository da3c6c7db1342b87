// SPDX-License-Identifier: MIT
#include "ui/controls/folder_watch.h"

namespace {

// Long enough to gather a burst of changes, short enough to feel immediate.
constexpr int kSettleMs = 150;

}  // namespace

FolderWatch::FolderWatch(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, &FolderWatch::changed);
}

void FolderWatch::watch(const QString& folder) {
    const QStringList watched = watcher_.directories();
    if (watched == QStringList{folder}) return;
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    settle_.stop();
    // A folder that can't be watched (no inotify left, a network share) is still shown; it is
    // only not refreshed by itself.
    watcher_.addPath(folder);
}
