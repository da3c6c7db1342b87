// Edits of a full playlist (32,767 entries): removing the first entry, moving the first entry to
// the end, and dropping a folder of 20,000 media files onto it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "playlist/entry_path.h"
#include "playlist/playlist_limits.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"

namespace {

void Fill(frmMain& window, int count) {
    window.lblDelAll_Click();
    window.playlist().append(QStringList(count, QStringLiteral("Track 01 - some artist name.mp3")),
                             QStringList(count, QStringLiteral("/home/user/Music/Some Album")));
}

void BM_RemoveFirstOfFullPlaylist(benchmark::State& state) {
    frmMain window;
    window.show();
    Fill(window, kMaxPlaylistEntries);
    for (auto _ : state) {
        window.lstPL->setListIndex(0);
        window.lblDel_Click();
        state.PauseTiming();
        window.playlist().append({QStringLiteral("x.mp3")}, {QStringLiteral("/x")});
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveFirstOfFullPlaylist)->Unit(benchmark::kMillisecond);

void BM_MoveTopToBottomOfFullPlaylist(benchmark::State& state) {
    frmMain window;
    window.show();
    Fill(window, kMaxPlaylistEntries);
    for (auto _ : state) window.lstPL_MoveEntry(0, kMaxPlaylistEntries);
}
BENCHMARK(BM_MoveTopToBottomOfFullPlaylist)->Unit(benchmark::kMillisecond);

void BM_DropFolderOf20000Files(benchmark::State& state) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("drop"));
    QDir().mkpath(folder);
    for (int i = 0; i < 20000; ++i)
        QFile(QStringLiteral("%1/Track %2 - some artist name.mp3").arg(folder).arg(i))
            .open(QIODevice::WriteOnly);
    frmMain window;
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        Fill(window, kMaxPlaylistEntries - 20000);
        state.ResumeTiming();
        window.lstPL_FilesDropped({QUrl::fromLocalFile(folder)});
    }
}
BENCHMARK(BM_DropFolderOf20000Files)->Unit(benchmark::kMillisecond);

}  // namespace
