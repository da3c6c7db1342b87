// SPDX-License-Identifier: MIT
#include "ui/message_box.h"

#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>

#include "platform/app_info.h"

namespace {

constexpr qsizetype kNamedItems = 20;

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> AskText(QWidget* parent, const QString& prompt) {
    QInputDialog box(parent);
    box.setWindowTitle(kApplicationTitle);
    box.setLabelText(prompt);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

QString ItemLines(const QStringList& items) {
    QStringList lines = items.first(std::min(items.size(), kNamedItems));
    if (items.size() > kNamedItems)
        lines.append(QStringLiteral("и ещё %1").arg(items.size() - kNamedItems));
    return lines.join(u'\n');
}
