// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "tests/support/private_user_folders.h"

// Benchmarks of windows run on the offscreen platform, like the tests: no display needed. They
// start from known data, as the tests do: empty settings (the main window's load step reads the
// last folder from them) and an empty working folder (where the browser starts). Like the tests,
// they never touch the user's own settings or kept playlist.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir root;
    UsePrivateHome(root.path());
    QApplication app(argc, argv);
    const QString workFolder = root.filePath(QStringLiteral("work"));
    QDir().mkpath(workFolder);
    QDir::setCurrent(workFolder);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
