// SPDX-License-Identifier: MIT
#include "playlist/readers/reader_common.h"

#include "playlist/readers/entry_location.h"

ReadResult ReadFailure(const QString& reason) {
    return {std::nullopt, reason};
}

QString NotAPlaylistOfType(QStringView typeName) {
    return QStringLiteral("Файл не является списком воспроизведения %1.").arg(typeName);
}

bool LooksBinary(const QString& text) {
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

void AppendEntry(PlaylistContents& contents, const QString& entry, const QString& playlistFolder,
                 CarriedInfo info) {
    const QString path = ResolveEntryLocation(entry, playlistFolder);
    if (path.isEmpty()) return;
    PlaylistEntry added = EntryOfPath(path);
    // Entries of one folder share its text, as those added from the browser do.
    if (!contents.entries.isEmpty() && contents.entries.constLast().folder == added.folder)
        added.folder = contents.entries.constLast().folder;
    const bool saysNothing = info.title == QStringLiteral("?-?") && info.seconds.value_or(0) == 0;
    if (!saysNothing) {
        added.title = std::move(info.title);
        added.seconds = info.seconds;
    }
    contents.entries.append(std::move(added));
}
