// SPDX-License-Identifier: MIT
#include "ui/controls/skin_menu.h"

#include "ui/window_builder.h"

QMenu* MakeSkinMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setFont(SkinFont());
    const QString yellow = kSkinTextColour.name();
    menu->setStyleSheet(
        QStringLiteral("QMenu { background: black; color: %1; border: 1px solid %1; }"
                       "QMenu::item { padding: 3px 16px 3px 12px; }"
                       "QMenu::item:selected { background: %1; color: black; }"
                       "QMenu::item:disabled { color: #808000; }"
                       "QMenu::separator { height: 1px; background: %1; margin: 3px 6px; }")
            .arg(yellow));
    return menu;
}
