// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include "output/text_encoding.h"

struct PlaylistFileResult {
    enum class Status {
        NoPath,   // a cancelled dialog: nothing was created and nothing is to be said
        Written,  // the file holds the whole text
        Failed,   // any earlier file at the path is as it was
    };
    Status status = Status::NoPath;
    QString failureReason;            // the system's own words, for the message
    bool charactersReplaced = false;  // see EncodingResult
};

// Writes the text and one more CR LF to the file at the path, so that a failure never loses the
// file that was there. Usually the file is replaced only once the whole text is written; a file
// whose identity that would change (see in_place_write.h) is written in place, and should that
// fail, its earlier text is written back, or kept in a copy the reason names. Anything but a
// regular file (or a symbolic link to one) is refused before it is opened. An empty path writes
// nothing.
PlaylistFileResult WritePlaylistFile(const QString& path, QStringView text,
                                     PlaylistEncoding encoding = PlaylistEncoding::System);

// "Не удалось ...", the path, a blank line and the reason.
QString SaveFailedMessage(const QString& path, const QString& reason);

inline const QString kSaveFailedText =
    QStringLiteral("Не удалось сохранить список воспроизведения в файл");
// Added to the system's reason when a write in place failed.
inline const QString kEarlierTextRestored = QStringLiteral("\nПрежний текст файла восстановлен.");
inline const QString kEarlierTextKeptIn =
    QStringLiteral("\nПрежний текст файла восстановить не удалось; он сохранён в файле %1");
inline const QString kEarlierTextLost =
    QStringLiteral("\nПрежний текст файла не удалось ни восстановить, ни сохранить отдельно.");
inline const QString kCharactersReplacedMessage = QStringLiteral(
    "Некоторые имена содержат знаки, которых нет в кодировке системы; в файле они заменены "
    "знаком «?».");
