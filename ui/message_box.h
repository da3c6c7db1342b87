// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// A modal message box with the program's title as caption, one OK button and no icon.
void ShowMessage(QWidget* parent, const QString& text);

// A modal box that asks for one line of text, with the program's title as caption; nothing when the
// user gives it up.
std::optional<QString> AskText(QWidget* parent, const QString& prompt);

// The items one a line, at most the first twenty by name and the rest counted ("и ещё 9"): a
// message naming thousands would not fit on the screen.
QString ItemLines(const QStringList& items);
