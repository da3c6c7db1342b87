// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/isolation.h"

// Every test gets its own settings folder and working folder, so none sees another's files or
// the machine's own settings.
int main(int argc, char** argv) {
    // ctest sets the offscreen platform too; this covers the test listing and a run by hand.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new IsolationListener);
    return RUN_ALL_TESTS();
}
