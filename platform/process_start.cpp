#include "platform/process_start.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#else
#include <QProcess>

#include "platform/command_line.h"
#endif

namespace {

bool Fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

}  // namespace

#ifdef Q_OS_WIN

bool StartProcess(const QString& commandLine, int showWindowState, QString* error) {
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindowState);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return Fail(error, qt_error_string(static_cast<int>(GetLastError())));
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

#else

bool StartProcess(const QString& commandLine, int /*showWindowState*/, QString* error) {
    const std::optional<CommandLine> command = ParseCommandLine(commandLine);
    if (!command) return Fail(error, QStringLiteral("В команде не указана программа."));
    QProcess process;
    process.setProgram(command->program);
    process.setArguments(command->arguments);
    if (!process.startDetached()) return Fail(error, process.errorString());
    return true;
}

#endif
