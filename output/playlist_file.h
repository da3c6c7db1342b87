#pragma once

#include <QString>
#include <QStringView>

struct PlaylistFileResult {
    enum class Status {
        NoPath,   // a cancelled dialog: nothing was created and nothing is to be said
        Written,  // the file holds the whole text
        Failed,   // any earlier file at the path is as it was
    };
    Status status = Status::NoPath;
    QString failureReason;            // the system's own words, for the message
    bool charactersReplaced = false;  // see EncodedText
};

// Writes the text and one more CR LF to the file at the path, replacing it only once the whole
// text is written, so a failure never destroys the file that was there. An empty path writes
// nothing.
PlaylistFileResult WritePlaylistFile(const QString& path, QStringView text);

// "Не удалось ...", the path, a blank line and the reason.
QString SaveFailedMessage(const QString& path, const QString& reason);

inline const QString kSaveFailedText =
    QStringLiteral("Не удалось сохранить список воспроизведения в файл");
inline const QString kCharactersReplacedMessage = QStringLiteral(
    "Некоторые имена содержат знаки, которых нет в кодировке системы; в файле они заменены "
    "знаком «?».");
