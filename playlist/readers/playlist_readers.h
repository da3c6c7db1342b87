#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// What a playlist file holds: its entries as absolute paths in this system's native form, in file
// order, and the title (only WPL files carry one).
struct PlaylistContents {
    QStringList entryPaths;
    QString title;
};

// Either the contents or, when the file can't be taken as a playlist, the reason in words for the
// user (the caller puts it under its own "can't open" line).
struct ReadResult {
    std::optional<PlaylistContents> contents;
    QString error;
};

// Readers over the file's bytes. Relative entries are resolved against playlistFolder, which must
// be absolute.
ReadResult ReadM3u(const QByteArray& bytes, const QString& playlistFolder);
ReadResult ReadPls(const QByteArray& bytes, const QString& playlistFolder);
ReadResult ReadWpl(const QByteArray& bytes, const QString& playlistFolder);

// Files larger than this are refused before they are read: no real playlist comes near it.
inline constexpr qint64 kMaxPlaylistFileBytes = qint64{64} * 1024 * 1024;

// Reads the file and picks the reader by its extension (.m3u and .m3u8, .pls, .wpl, any case).
ReadResult ReadPlaylistFile(const QString& path);
