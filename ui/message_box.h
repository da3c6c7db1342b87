// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// A modal message box with the program's title as caption, one OK button and no icon.
void ShowMessage(QWidget* parent, const QString& text);
