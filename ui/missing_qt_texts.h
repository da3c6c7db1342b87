// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>

// Russian for the words of Qt's own file dialog that Qt's Russian translation lacks: the type
// column's "Folder", "Drive" and the rest, whose translation context Qt 6 renamed.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};
