// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QScreen>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>

#include "platform/app_info.h"
#include "platform/end_requests.h"
#include "platform/single_instance.h"
#include "platform/startup_arguments.h"
#include "ui/frm_main.h"
#include "ui/handed_paths_queue.h"
#include "ui/missing_qt_texts.h"

namespace {

QString ForeignSocketWarning(const QString& serverName) {
    return kProgramName + QStringLiteral(
                              ": %1 is not this user's, or its folder is open to others; files are "
                              "opened in this window and not handed to a running copy\n")
                              .arg(serverName);
}

QStringList ArgumentsAfterProgram(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

// The main window is the program: creating it runs its load step, closing it ends the run.
int main(int argc, char** argv) {
    // --help and --version answer before any window system is needed.
    const StartupRequest request =
        ReadStartupArguments(ArgumentsAfterProgram(argc, argv), QDir::currentPath());
    if (request.action != StartupRequest::Action::Run) {
        const bool failed = request.action == StartupRequest::Action::Fail;
        std::fputs(request.text.toLocal8Bit().constData(), failed ? stderr : stdout);
        return failed ? 2 : 0;
    }

    QApplication app(argc, argv);
    EndRequests endRequests;
    SingleInstance instance;
    switch (instance.handToRunningCopy(request.paths)) {
        case SingleInstance::HandOver::Handed:
            // Files opened with a copy running go to that copy; a start without files opens a
            // window.
            if (!request.paths.isEmpty()) return 0;
            break;
        case SingleInstance::HandOver::NoCopyRuns:
            instance.listen();
            break;
        case SingleInstance::HandOver::ForeignSocket:
            // The files open here rather than nowhere; the user learns why later starts don't come
            // to this window.
            std::fputs(ForeignSocketWarning(instance.serverName()).toLocal8Bit().constData(),
                       stderr);
            break;
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (the Save dialog, the message boxes' buttons) speak the program's language
    // where Qt's Russian translation is installed.
    QTranslator qtRussian;
    if (qtRussian.load(QStringLiteral("qtbase_ru"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);
    MissingQtTexts missingQtTexts;
    QApplication::installTranslator(&missingQtTexts);

    frmMain window;
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    HandedPathsQueue handedPaths([&window](const QStringList& paths) {
        window.openArguments(paths);
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&instance, &SingleInstance::pathsReceived, &handedPaths,
                     &HandedPathsQueue::receive);
    window.show();
    window.openArguments(request.paths);
    // Ended by the system (a session that ends), the program ends as closing its window ends it:
    // the settings are stored and the playlist kept.
    QObject::connect(&endRequests, &EndRequests::requested, &window, &QWidget::close);
    endRequests.watch();
    return QApplication::exec();
}
