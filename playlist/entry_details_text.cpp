// SPDX-License-Identifier: MIT
#include "playlist/entry_details_text.h"

#include "playlist/file_name_codec.h"

QString SizeText(qint64 lengthInBytes) {
    // 64-bit on purpose: files of 2 GiB and more must not wrap into negative sizes.
    const qint64 kilobytes = lengthInBytes / 1024;
    const qint64 megabytes = kilobytes / 1024;
    return QStringLiteral("%1 Мб (%2 Кб)").arg(megabytes).arg(kilobytes);
}

QString TypeText(const QString& fileName) {
    return fileName.right(3).toUpper();
}

QString PositionText(int position, int count) {
    return QStringLiteral("%1 из %2").arg(position + 1).arg(count);
}

QString OneLinePathText(QStringView path) {
    QString text = path.toString();
    const bool holdsEscapedBytes = HoldsEscapedBytes(path);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20)
            text[i] = QChar(0x2400 + c);
        else if (c == 0x7F)
            text[i] = QChar(0x2421);
        else if (holdsEscapedBytes && QChar::isLowSurrogate(c) &&
                 !(i > 0 && text[i - 1].isHighSurrogate()))
            text[i] = QChar(QChar::ReplacementCharacter);
    }
    return text;
}
