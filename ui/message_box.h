// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// A modal message box with the program's title as caption, one OK button and no icon.
void ShowMessage(QWidget* parent, const QString& text);

// The items one a line, at most the first twenty by name and the rest counted ("и ещё 9"): a
// message naming thousands would not fit on the screen.
QString ItemLines(const QStringList& items);
