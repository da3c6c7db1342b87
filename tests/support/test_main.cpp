// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "tests/support/isolation.h"
#include "tests/support/private_user_folders.h"

// Every test gets its own settings, data and runtime folders and working folder, and the process
// its own home, so none sees another's files or the user's own.
int main(int argc, char** argv) {
    // ctest sets the offscreen platform too; this covers the test listing and a run by hand.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The same texts and sorting whatever the machine's locale.
    qputenv("LC_ALL", "C.UTF-8");
    const QTemporaryDir home;
    UsePrivateHome(home.path());
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new IsolationListener);
    return RUN_ALL_TESTS();
}
