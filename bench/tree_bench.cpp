// SPDX-License-Identifier: MIT
// Adding a whole music tree: 50,000 media files in 500 album folders under 25 artist folders. The
// walk of the whole tree is measured alone; adding a tree through the window (the walk on its
// worker, then the lists) is measured on 300 of the albums, 30,000 files, since a whole tree would
// stop at the playlist's limit and its message.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "playlist/file_patterns.h"
#include "playlist/folder_tree_walk.h"
#include "ui/frm_main.h"

namespace {

constexpr int kArtists = 25;
constexpr int kAlbumsPerArtist = 20;
constexpr int kTracksPerAlbum = 100;

// The tree under `root`; each artist folder holds its albums and nothing else.
void MakeTree(const QString& root, int artists) {
    for (int artist = 0; artist < artists; ++artist) {
        for (int album = 0; album < kAlbumsPerArtist; ++album) {
            const QString folder =
                QStringLiteral("%1/Artist %2/Album %3").arg(root).arg(artist).arg(album);
            QDir().mkpath(folder);
            for (int track = 0; track < kTracksPerAlbum; ++track)
                QFile(QStringLiteral("%1/%2 - Track name.mp3")
                          .arg(folder)
                          .arg(track, 2, 10, QChar('0')))
                    .open(QIODevice::WriteOnly);
        }
    }
}

void BM_WalkTreeOf50000Files(benchmark::State& state) {
    QTemporaryDir root;
    MakeTree(root.path(), kArtists);
    const FilePatternSet patterns(kMediaFilePatterns);
    const int everything = kArtists * kAlbumsPerArtist * kTracksPerAlbum;
    for (auto _ : state) {
        const FolderTreeWalk walk = WalkFolderTree(root.path(), patterns, everything);
        if (walk.entries.size() != everything) state.SkipWithError("files missing");
        benchmark::DoNotOptimize(walk);
    }
}
BENCHMARK(BM_WalkTreeOf50000Files)->Unit(benchmark::kMillisecond);

void BM_AddTreeOf30000Files(benchmark::State& state) {
    QTemporaryDir root;
    MakeTree(root.path(), 15);
    frmMain window;
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        window.lblDelAll_Click();
        state.ResumeTiming();
        window.Dir1_AddTree(root.path());
        if (window.playlist().count() != 30000) state.SkipWithError("files missing");
    }
}
BENCHMARK(BM_AddTreeOf30000Files)->Unit(benchmark::kMillisecond);

}  // namespace
