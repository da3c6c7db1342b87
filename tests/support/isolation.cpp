// SPDX-License-Identifier: MIT
#include "tests/support/isolation.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
QString settingsFolder;
QString workFolder;
}  // namespace

void IsolationListener::OnTestStart(const testing::TestInfo&) {
    root_ = std::make_unique<QTemporaryDir>();
    settingsFolder = root_->filePath(QStringLiteral("config"));
    workFolder = root_->filePath(QStringLiteral("work"));
    QDir().mkpath(settingsFolder);
    QDir().mkpath(workFolder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    // The playlist kept between runs goes to the data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_->filePath(QStringLiteral("data"))));
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(workFolder);
}

void IsolationListener::OnTestEnd(const testing::TestInfo&) {
    QDir::setCurrent(previousFolder_);
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
