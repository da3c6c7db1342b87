// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a bare frameless Qt window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(500, 555);
    window.show();
    return QApplication::exec();
}
