// SPDX-License-Identifier: MIT
// Opening a full playlist (32,767 entries of about 60 characters) of each type, the window's lists
// filled included; an extended M3U whose entries carry titles and lengths; and the memory the
// playlist's entries hold, with and without titles.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QSet>
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
        EntriesInFolder(QStringList(kMaxPlaylistEntries, QStringLiteral("Track 01 - Artist.mp3")),
                        QStringLiteral("/home/user/Music/Artist - Album 1999")));
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
BENCHMARK(BM_OpenFullPlaylist)->ArgName("type")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

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

// A full extended M3U of a music library: "#EXTINF:213,Artist - Title" before each entry.
QString TitledPlaylist(const QTemporaryDir& folder) {
    QString text = QStringLiteral("#EXTM3U\r\n");
    for (int i = 0; i < kMaxPlaylistEntries; ++i) {
        text += QStringLiteral(
                    "#EXTINF:%1,Artist %2 - Title of the song %3\r\n"
                    "/home/user/Music/Artist %2 - Album 1999/%3 Title of the song.mp3\r\n")
                    .arg(120 + i % 300)
                    .arg(i / 12)
                    .arg(i % 12);
    }
    QString path = folder.filePath(QStringLiteral("titled.m3u"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) return {};
    return path;
}

void BM_OpenFullTitledM3u(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = TitledPlaylist(folder);
    if (path.isEmpty()) state.SkipWithError("the playlist could not be written");
    frmMain window;
    window.show();
    for (auto _ : state) {
        window.OpenPlaylistFile(path);
        benchmark::DoNotOptimize(window.lstPL->listCount());
    }
}
BENCHMARK(BM_OpenFullTitledM3u)->Unit(benchmark::kMillisecond);

// The bytes the entries hold: the records, and each text once however many entries share it
// (Qt's header of 16 bytes, then the text's capacity).
qint64 EntriesBytes(const PlaylistEntries& entries) {
    QSet<const void*> counted;
    qint64 bytes = entries.capacity() * qint64{sizeof(PlaylistEntry)};
    const auto count = [&](const QString& text) {
        if (text.isEmpty() || counted.contains(text.constData())) return;
        counted.insert(text.constData());
        bytes += 16 + text.capacity() * qint64{sizeof(QChar)};
    };
    for (const PlaylistEntry& entry : entries) {
        count(entry.folder);
        count(entry.fileName);
        if (entry.title) count(*entry.title);
    }
    return bytes;
}

// The memory of a full playlist opened from an extended M3U with titles (1) and from the same
// entries saved by the program without them (0).
void BM_EntriesMemory(benchmark::State& state) {
    QTemporaryDir folder;
    const QString titled = TitledPlaylist(folder);
    frmMain window;
    window.OpenPlaylistFile(titled);
    if (state.range(0) == 0) {
        const QString untitled = folder.filePath(QStringLiteral("untitled.m3u"));
        PlaylistEntries entries = window.playlist().entries();
        for (PlaylistEntry& entry : entries) entry.title.reset(), entry.seconds.reset();
        window.playlist().replace(entries, QStringLiteral("открытие"));
        window.ComposePlaylistText(PlaylistType::M3U, PlaylistTarget::SaveFile);
        window.WriteOutputBuffer(untitled);
        window.OpenPlaylistFile(untitled);
    }
    qint64 bytes = 0;
    for (auto _ : state) bytes = EntriesBytes(window.playlist().entries());
    state.counters["entries_bytes"] = static_cast<double>(bytes);
    state.counters["bytes_per_entry"] = static_cast<double>(bytes) / kMaxPlaylistEntries;
}
BENCHMARK(BM_EntriesMemory)->ArgName("titled")->DenseRange(0, 1)->Iterations(1);

}  // namespace
