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

void AppendEntry(PlaylistContents& contents, const QString& entry, const QString& playlistFolder) {
    QString path = ResolveEntryLocation(entry, playlistFolder);
    if (!path.isEmpty()) contents.entryPaths.append(std::move(path));
}
