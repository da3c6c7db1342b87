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
// file that was there. The path is looked at once: anything but a regular file (or a symbolic
// link to one) is refused before it is opened; a file whose identity replacing would change (see
// save_target.h) is written in place, others are replaced only once the whole text is written.
// A failure's reason says what became of a file written in place: untouched, its earlier text
// written back, or kept in a copy the reason names. An empty path writes nothing.
PlaylistFileResult WritePlaylistFile(const QString& path, QStringView text,
                                     PlaylistEncoding encoding = PlaylistEncoding::System);

// "Не удалось ...", the path, a blank line and the reason.
QString SaveFailedMessage(const QString& path, const QString& reason);

inline const QString kSaveFailedText =
    QStringLiteral("Не удалось сохранить список воспроизведения в файл");
// Added to the system's reason when a write in place failed half-way.
inline const QString kEarlierTextRestored = QStringLiteral("\nПрежний текст файла восстановлен.");
inline const QString kEarlierTextKeptIn =
    QStringLiteral("\nПрежний текст файла восстановить не удалось; он сохранён в файле %1");
inline const QString kEarlierTextLost =
    QStringLiteral("\nПрежний текст файла не удалось ни восстановить, ни сохранить отдельно.");
inline const QString kCharactersReplacedMessage = QStringLiteral(
    "Некоторые имена содержат знаки, которых нет в кодировке системы; в файле они заменены "
    "знаком «?».");
