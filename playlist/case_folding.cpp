// SPDX-License-Identifier: MIT
#include "playlist/case_folding.h"

QString FoldedCase(QStringView text) {
    QString folded(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            const char32_t letter =
                QChar::toCaseFolded(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            out[i] = QChar::highSurrogate(letter);
            out[i + 1] = QChar::lowSurrogate(letter);
            ++i;
        } else {
            out[i] = FoldedUnit(unit);
        }
    }
    return folded;
}
