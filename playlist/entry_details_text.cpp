#include "playlist/entry_details_text.h"

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
