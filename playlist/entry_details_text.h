// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Texts of the details panel for the selected entry.
QString SizeText(qint64 lengthInBytes);         // "4 Мб (4882 Кб)"
QString TypeText(const QString& fileName);      // last three characters, upper case
QString PositionText(int position, int count);  // "3 из 10" for position 2
// The entry's path on one line: each control character as its visible symbol (LF as U+240A, DEL
// as U+2421) and each byte that isn't UTF-8 as U+FFFD. A symbol rather than a backslash escape,
// which a Windows path would make ambiguous.
QString OneLinePathText(QStringView path);

inline const QString kUnmeasurableSizeText = QStringLiteral("файл недоступен");
