#include "tests/support/isolation.h"

#include <QDir>
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
