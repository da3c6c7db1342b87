// SPDX-License-Identifier: MIT
#include "playlist/readers/reader_common.h"

#include "playlist/playlist_limits.h"
#include "playlist/readers/entry_location.h"
#include "playlist/readers/text_decoding.h"

ReadResult ReadFailure(const QString& reason) {
    return {std::nullopt, reason};
}

QString NotAPlaylistOfType(QStringView typeName) {
    return QStringLiteral("Файл не является списком воспроизведения %1.").arg(typeName);
}

bool LooksBinary(QStringView text) {
    return text.contains(QChar(u'\0'));
}

std::optional<int> ParseSeconds(QStringView text) {
    text = text.trimmed();
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    bool ok = false;
    const int seconds = whole.toInt(&ok);
    if (!ok) return std::nullopt;
    return seconds;
}

void NoteOverLongLine(PlaylistContents& contents, qsizetype line) {
    if (!contents.entriesLeftOut) contents.overLongLines.append(line);
}

std::optional<PlaylistEntry> ReadEntry(PlaylistContents& contents, QStringView text,
                                       const QString& playlistFolder, qsizetype line) {
    const QString path = ResolveEntryLocation(text.toString(), playlistFolder);
    if (path.isEmpty()) return std::nullopt;
    if (!IsEntryWithinLimit(path)) {
        NoteOverLongLine(contents, line);
        return std::nullopt;
    }
    return EntryOfPath(path);
}

bool IsFull(const PlaylistContents& contents) {
    return contents.entries.size() >= kMaxPlaylistEntries;
}

void KeepEntry(PlaylistContents& contents, PlaylistEntry entry, CarriedInfo info) {
    if (IsFull(contents)) {
        contents.entriesLeftOut = true;
        return;
    }
    // Entries of one folder share its text, as those added from the browser do.
    if (!contents.entries.isEmpty() && contents.entries.constLast().folder == entry.folder)
        entry.folder = contents.entries.constLast().folder;
    const bool saysNothing = info.title == QStringLiteral("?-?") && info.seconds.value_or(0) == 0;
    if (!saysNothing) {
        entry.title = std::move(info.title);
        entry.seconds = info.seconds;
    }
    contents.entries.append(std::move(entry));
}

void AppendEntry(PlaylistContents& contents, QStringView text, const QString& playlistFolder,
                 qsizetype line, CarriedInfo info) {
    // Once entries were left out, more of them change nothing.
    if (contents.entriesLeftOut) return;
    if (std::optional<PlaylistEntry> entry = ReadEntry(contents, text, playlistFolder, line))
        KeepEntry(contents, std::move(*entry), std::move(info));
}

PlaylistLines ForEachPlaylistLine(QByteArrayView bytes, PlaylistContents& contents,
                                  const PlaylistLineTaker& take) {
    PlaylistLines met = PlaylistLines::None;
    ForEachDecodedLine(bytes, [&](QStringView line, qsizetype number) {
        if (LooksBinary(line)) {
            met = PlaylistLines::Binary;
            return false;
        }
        met = PlaylistLines::Read;
        if (line.isNull())
            NoteOverLongLine(contents, number);
        else
            take(line, number);
        return true;
    });
    return met;
}
