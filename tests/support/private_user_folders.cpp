// SPDX-License-Identifier: MIT
#include "tests/support/private_user_folders.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

QString MadeFolder(const QString& root, const QString& name) {
    QString folder = QDir(root).filePath(name);
    QDir().mkpath(folder);
    return folder;
}

void PointTo(const char* variable, const QString& folder) {
    qputenv(variable, QFile::encodeName(folder));
}

}  // namespace

void UsePrivateUserFolders(const QString& root) {
    const QString settings = MadeFolder(root, QStringLiteral("config"));
    PointTo("XDG_CONFIG_HOME", settings);
    // Qt keeps the settings path it read at its first use; the programs started read the variable.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    PointTo("XDG_DATA_HOME", MadeFolder(root, QStringLiteral("data")));
    PointTo("XDG_STATE_HOME", MadeFolder(root, QStringLiteral("state")));
    const QString runtime = MadeFolder(root, QStringLiteral("runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    PointTo("XDG_RUNTIME_DIR", runtime);
}

void UsePrivateHome(const QString& root) {
    PointTo("HOME", MadeFolder(root, QStringLiteral("home")));
    PointTo("XDG_CACHE_HOME", MadeFolder(root, QStringLiteral("cache")));
    UsePrivateUserFolders(root);
}
