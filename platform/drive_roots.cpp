// SPDX-License-Identifier: MIT
#include "platform/drive_roots.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

#include "playlist/folder_listing.h"

namespace {

#ifndef Q_OS_WIN
bool IsPseudoFileSystem(const QStorageInfo& volume) {
    static const QList<QByteArray> pseudoTypes = {
        "proc",     "sysfs",      "cgroup",    "cgroup2",    "devpts",      "devtmpfs",
        "mqueue",   "debugfs",    "tracefs",   "securityfs", "pstore",      "bpf",
        "configfs", "fusectl",    "hugetlbfs", "autofs",     "binfmt_misc", "efivarfs",
        "nsfs",     "rpc_pipefs", "selinuxfs", "ramfs"};
    if (pseudoTypes.contains(volume.fileSystemType())) return true;
    // Kernel and runtime mounts hold no media, whatever their type.
    const QString root = volume.rootPath();
    for (const char* system : {"/proc", "/sys", "/dev", "/run"})
        if (root == QLatin1String(system) || root.startsWith(QLatin1String(system) + u'/'))
            return true;
    return false;
}
#endif

}  // namespace

QStringList AvailableDriveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        roots.append(QDir::toNativeSeparators(drive.absoluteFilePath()).left(2).toLower());
#else
    roots.append(QStringLiteral("/"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || IsPseudoFileSystem(volume)) continue;
        const QString root = volume.rootPath();
        if (!roots.contains(root)) roots.append(root);
    }
    SortWithoutCase(roots);
#endif
    return roots;
}

QString DriveRootOf(const QString& path, const QStringList& roots) {
#ifdef Q_OS_WIN
    Q_UNUSED(roots);
    return path.left(2).toLower();
#else
    QString best = QStringLiteral("/");
    for (const QString& root : roots) {
        const bool holds =
            path == root || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (holds && root.size() > best.size()) best = root;
    }
    return best;
#endif
}

QString DriveWithoutLabel(const QString& value) {
    const qsizetype label = value.lastIndexOf(QStringLiteral(" ["));
    if (label > 0 && value.endsWith(u']')) return value.left(label);
    return value;
}
