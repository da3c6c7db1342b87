#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

#include "ui/frm_main.h"

// The main window is the program: creating it runs its load step, closing it ends the run.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    frmMain window;
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
