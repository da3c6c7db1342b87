// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

// Benchmarks of windows run on the offscreen platform, like the tests: no display needed. They
// start from known data, as the tests do: empty settings (the main window's load step reads the
// last folder from them) and an empty working folder (where the browser starts).
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    const QString settingsFolder = root.filePath(QStringLiteral("config"));
    const QString workFolder = root.filePath(QStringLiteral("work"));
    QDir().mkpath(settingsFolder);
    QDir().mkpath(workFolder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    QDir::setCurrent(workFolder);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
