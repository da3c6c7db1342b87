// SPDX-License-Identifier: MIT
// Writes an M3U playlist of the given number of entries to the given path and prints the outcome.
// The full-disk test runs it inside a mount namespace of its own, on a small file system.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "output/playlist_file.h"
#include "output/playlist_text.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int count = QByteArray(argv[2]).toInt();
    QString text;
    AppendPlaylistLines(
        text, PlaylistType::M3U, PlaylistTarget::SaveFile,
        EntriesInFolder(QStringList(count, QStringLiteral("track.mp3")), QStringLiteral("/music")),
        QString(), u'/');
    const PlaylistFileResult result = WritePlaylistFile(path, text);
    if (result.status == PlaylistFileResult::Status::Written) {
        std::puts("written");
        return 0;
    }
    std::printf("failed: %s\n", qPrintable(result.failureReason));
    return 1;
}
