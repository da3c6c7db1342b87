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
