// SPDX-License-Identifier: MIT
#include "platform/kept_playlist.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>

#include "platform/app_info.h"
#include "playlist/file_name_codec.h"

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
    std::optional<KeptPlaylist> newest;
    std::filesystem::file_time_type newestTime;
    for (QString (*const pathOf)(PlaylistType) : {&KeptPlaylistPath, &LegacyKeptPath}) {
        for (const PlaylistType type : kTypes) {
            std::error_code failed;
            const auto time = std::filesystem::last_write_time(
                EncodeFileName(pathOf(type)).toStdString(), failed);
            if (failed || (newest && time <= newestTime)) continue;
            newest = KeptPlaylist{pathOf(type), type};
            newestTime = time;
        }
    }
    return newest;
}

QStringList LegacyKeptPlaylistPaths() {
    QStringList paths;
    for (const PlaylistType type : kTypes) paths << LegacyKeptPath(type);
    return paths;
}
