// SPDX-License-Identifier: MIT
#include "ui/message_box.h"

#include <QMessageBox>

#include "platform/app_info.h"

void ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}
