// SPDX-License-Identifier: MIT
#include "platform/kept_playlist.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/app_info.h"

namespace {

constexpr PlaylistType kTypes[] = {PlaylistType::M3U, PlaylistType::PLS, PlaylistType::WPL};

QString KeptPath(PlaylistType type, QStringView extension) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' + kProgramName;
    return QDir(folder).filePath(
        QStringLiteral("last-playlist-%1.%2").arg(PlaylistExtension(type), extension));
}

QString LegacyKeptPath(PlaylistType type) {
    return KeptPath(type, u"wpl");
}

}  // namespace

QString KeptPlaylistPath(PlaylistType type) {
    return KeptPath(type, u"m3u8");
}

std::optional<KeptPlaylist> FindKeptPlaylist() {
    for (QString (*const pathOf)(PlaylistType) : {&KeptPlaylistPath, &LegacyKeptPath}) {
        for (const PlaylistType type : kTypes)
            if (QFileInfo::exists(pathOf(type))) return KeptPlaylist{pathOf(type), type};
    }
    return std::nullopt;
}

QStringList KeptPlaylistPaths() {
    QStringList paths;
    for (const PlaylistType type : kTypes) paths << KeptPlaylistPath(type) << LegacyKeptPath(type);
    return paths;
}
