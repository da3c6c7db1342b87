// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "tests/support/qt_printers.h"

// Gives each test a fresh temporary settings folder and working folder, removed afterwards.
class IsolationListener : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override;
    void OnTestEnd(const testing::TestInfo&) override;

private:
    std::unique_ptr<QTemporaryDir> root_;
    QString previousFolder_;
};

// The current test's own folders.
QString TestSettingsFolder();
QString TestWorkFolder();

// A path in the test's working folder.
QString WorkPath(const QString& name);
// Writes the bytes as the whole file (a failure fails the test).
void WriteBytes(const QString& path, const QByteArray& bytes);
// The same for a file of the working folder; returns its path.
QString WriteWorkFile(const QString& name, const QByteArray& bytes);
// The whole file, or "<unreadable>" so that any comparison with it fails.
QByteArray ReadBytes(const QString& path);
