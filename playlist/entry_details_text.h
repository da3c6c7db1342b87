#pragma once

#include <QString>

// Texts of the details panel for the selected entry.
QString SizeText(qint64 lengthInBytes);         // "4 Мб (4882 Кб)"
QString TypeText(const QString& fileName);      // last three characters, upper case
QString PositionText(int position, int count);  // "3 из 10" for position 2

inline const QString kUnmeasurableSizeText = QStringLiteral("файл недоступен");
