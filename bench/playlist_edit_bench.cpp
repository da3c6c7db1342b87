// SPDX-License-Identifier: MIT
// Edits of a full playlist (32,767 entries): removing the first entry, removing a third of the
// entries selected at once, moving the first entry to the end, dropping a folder of 20,000 media
// files onto it, and the ordering and clean-up commands.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>

#include "playlist/entry_path.h"
#include "playlist/playlist_limits.h"
#include "playlist/playlist_order.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"

namespace {

void Fill(frmMain& window, int count) {
    window.lblDelAll_Click();
    window.playlist().append(
        EntriesInFolder(QStringList(count, QStringLiteral("Track 01 - some artist name.mp3")),
                        QStringLiteral("/home/user/Music/Some Album")));
}

void BM_RemoveFirstOfFullPlaylist(benchmark::State& state) {
    frmMain window;
    window.show();
    Fill(window, kMaxPlaylistEntries);
    for (auto _ : state) {
        window.lstPL->setListIndex(0);
        window.lblDel_Click();
        state.PauseTiming();
        window.playlist().append(EntriesInFolder({QStringLiteral("x.mp3")}, QStringLiteral("/x")));
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

// "<<" of a full playlist taken back: the whole playlist returns to both lists.
void BM_UndoClearOfFullPlaylist(benchmark::State& state) {
    frmMain window;
    window.show();
    Fill(window, kMaxPlaylistEntries);
    window.lblDelAll_Click();
    for (auto _ : state) {
        window.playlist().history().undo();
        benchmark::DoNotOptimize(window.lstPL->listCount());
        state.PauseTiming();
        window.playlist().history().redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoClearOfFullPlaylist)->Unit(benchmark::kMillisecond);

// Every third entry of a full playlist selected in the list (10,923 of 32,767) and removed with "<"
// (range 0), or the removal taken back (range 1): the selection follows through both lists.
void BM_RemoveSelectedOfFullPlaylist(benchmark::State& state) {
    frmMain window;
    window.show();
    Fill(window, kMaxPlaylistEntries);
    RowSet everyThird;
    for (int row = 0; row < kMaxPlaylistEntries; row += 3) everyThird.push_back(row);
    const bool undo = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        window.lstPL->selectRows(everyThird, 0);
        if (undo) window.lblDel_Click();
        state.ResumeTiming();
        if (undo)
            window.playlist().history().undo();
        else
            window.lblDel_Click();
        benchmark::DoNotOptimize(window.lstPL->listCount());
        state.PauseTiming();
        if (!undo) window.playlist().history().undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveSelectedOfFullPlaylist)
    ->ArgName("undo")
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMillisecond);

// The playlist menu's commands as their handlers run them, without the closing message: the new
// order of a full playlist of distinct entries in shuffled order, applied to both lists.
void BM_RearrangeFullPlaylist(benchmark::State& state) {
    frmMain window;
    window.show();
    PlaylistEntries entries;
    for (const int i : ShuffledOrder(kMaxPlaylistEntries)) {
        entries.append({QStringLiteral("/home/user/Music/Album %1").arg(i / 500),
                        QStringLiteral("Track %1 - some artist name.mp3").arg(i % 500),
                        QStringLiteral("Some Artist - Track %1").arg(i), i % 600});
    }
    const auto orderOf = [&](const Playlist& playlist) {
        switch (state.range(0)) {
            case 0:
                return OrderByName(playlist.entries());
            case 1:
                return OrderByPath(playlist.entries());
            case 2:
                return ShuffledOrder(playlist.count());
            case 3:
                return OrderByTitle(playlist.entries());
            default:
                return WithoutRepeats(playlist.entries());
        }
    };
    for (auto _ : state) {
        state.PauseTiming();
        window.lblDelAll_Click();
        window.playlist().append(entries);
        state.ResumeTiming();
        window.playlist().rearrange(orderOf(window.playlist()), QStringLiteral("сортировку"));
        benchmark::DoNotOptimize(window.lstPL->listCount());
    }
}
BENCHMARK(BM_RearrangeFullPlaylist)
    ->ArgName("command")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

}  // namespace
