// SPDX-License-Identifier: MIT
// Opening a full playlist (32,767 entries of about 60 characters) of each type, the window's lists
// filled included.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "playlist/playlist_limits.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"

namespace {

// The file the Save command writes for a full playlist of this type.
QString SavedPlaylist(const QTemporaryDir& folder, PlaylistType type) {
    frmMain writer;
    writer.playlist().append(
        QStringList(kMaxPlaylistEntries, QStringLiteral("Track 01 - Artist.mp3")),
        QStringList(kMaxPlaylistEntries, QStringLiteral("/home/user/Music/Artist - Album 1999")));
    QString path = folder.filePath(QStringLiteral("full.") + PlaylistExtension(type));
    writer.ComposePlaylistText(type, PlaylistTarget::SaveFile);
    writer.WriteOutputBuffer(path);
    return path;
}

void BM_OpenFullPlaylist(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = SavedPlaylist(folder, static_cast<PlaylistType>(state.range(0)));
    frmMain window;
    window.show();
    for (auto _ : state) {
        window.OpenPlaylistFile(path);
        benchmark::DoNotOptimize(window.lstPL->listCount());
    }
}
BENCHMARK(BM_OpenFullPlaylist)->ArgName("type")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A full M3U written by an older program in Windows-1251, every line Cyrillic: each line is
// checked, the code page is detected over the whole text, and every line decoded with it.
void BM_OpenFullEightBitPlaylist(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full-1251.m3u"));
    QString text;
    for (int i = 0; i < kMaxPlaylistEntries; ++i)
        text += QStringLiteral("C:\\Музыка\\Исполнитель - Альбом 1999\\%1 Песня.mp3\r\n").arg(i);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QStringEncoder("windows-1251")(text)) < 0)
        state.SkipWithError("the playlist could not be written");
    file.close();
    frmMain window;
    window.show();
    for (auto _ : state) {
        window.OpenPlaylistFile(path);
        benchmark::DoNotOptimize(window.lstPL->listCount());
    }
}
BENCHMARK(BM_OpenFullEightBitPlaylist)->Unit(benchmark::kMillisecond);

}  // namespace
