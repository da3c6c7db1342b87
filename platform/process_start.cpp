// SPDX-License-Identifier: MIT
#include "platform/process_start.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#else
#include <QProcess>

#include "platform/command_line.h"
#endif

namespace {

ProcessStartResult Failure(const QString& reason) {
    return {false, reason};
}

}  // namespace

#ifdef Q_OS_WIN

ProcessStartResult StartProcess(const QString& commandLine, int showWindowState) {
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindowState);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return Failure(qt_error_string(static_cast<int>(GetLastError())));
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return {true, QString()};
}

#else

ProcessStartResult StartProcess(const QString& commandLine, int /*showWindowState*/) {
    const std::optional<CommandLine> command = ParseCommandLine(commandLine);
    if (!command) return Failure(QStringLiteral("В команде не указана программа."));
    QProcess process;
    process.setProgram(command->program);
    process.setArguments(command->arguments);
    if (!process.startDetached()) return Failure(process.errorString());
    return {true, QString()};
}

#endif
