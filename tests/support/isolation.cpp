// SPDX-License-Identifier: MIT
#include "tests/support/isolation.h"

#include <QDir>
#include <QFile>
#include <filesystem>

#include "tests/support/private_user_folders.h"

namespace {
QString settingsFolder;
QString workFolder;
}  // namespace

void IsolationListener::OnTestStart(const testing::TestInfo&) {
    root_ = std::make_unique<QTemporaryDir>();
    settingsFolder = root_->filePath(QStringLiteral("config"));
    workFolder = root_->filePath(QStringLiteral("work"));
    QDir().mkpath(workFolder);
    UsePrivateUserFolders(root_->path());
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(workFolder);
}

void IsolationListener::OnTestEnd(const testing::TestInfo&) {
    QDir::setCurrent(previousFolder_);
    // By the bytes of the names: QTemporaryDir can't remove a file whose name isn't UTF-8, which
    // some tests make on purpose.
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(root_->path()).constData(), ignored);
    root_.reset();
}

QString TestSettingsFolder() {
    return settingsFolder;
}
QString TestWorkFolder() {
    return workFolder;
}

QString WorkPath(const QString& name) {
    return QDir(workFolder).filePath(name);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

QString WriteWorkFile(const QString& name, const QByteArray& bytes) {
    QString path = WorkPath(name);
    WriteBytes(path, bytes);
    return path;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
