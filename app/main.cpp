#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QStyleFactory>
#include <QTranslator>

#include "ui/frm_main.h"

// The main window is the program: creating it runs its load step, closing it ends the run.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (the Save dialog, the message boxes' buttons) speak the program's language
    // where Qt's Russian translation is installed.
    QTranslator qtRussian;
    if (qtRussian.load(QStringLiteral("qtbase_ru"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    frmMain window;
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
