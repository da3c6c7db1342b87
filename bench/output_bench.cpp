// SPDX-License-Identifier: MIT
// Saving the largest playlist, 32767 entries of about 60 characters, in every type and form,
// against the floor of writing the same bytes with a plain QFile::write.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "output/playlist_file.h"
#include "output/playlist_text.h"
#include "playlist/playlist_limits.h"

namespace {

// Folders of about 40 characters and names of about 20, so each entry path is about 60.
const PlaylistEntries& LargestPlaylist() {
    static const PlaylistEntries playlist = [] {
        PlaylistEntries entries;
        for (int i = 0; i < kMaxPlaylistEntries; ++i) {
            entries.append(
                {QStringLiteral("/home/listener/Music/Artist %1/Album %2")
                     .arg(i / 200, 3, 10, QLatin1Char('0'))
                     .arg(i / 12, 4, 10, QLatin1Char('0')),
                 QStringLiteral("%1 Track title.mp3").arg(i % 12 + 1, 2, 10, QLatin1Char('0')),
                 {},
                 {}});
        }
        return entries;
    }();
    return playlist;
}

QString TargetPath() {
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("list"));
}

PlaylistType TypeOf(const benchmark::State& state) {
    return PlaylistType(state.range(0));
}
PlaylistTarget TargetOf(const benchmark::State& state) {
    return PlaylistTarget(state.range(1));
}

QString Compose(const benchmark::State& state) {
    QString text;
    AppendPlaylistLines(text, TypeOf(state), TargetOf(state), LargestPlaylist(),
                        QStringLiteral("Party & Co"), u'/');
    return text;
}

void BM_ComposeEncodeWrite(benchmark::State& state) {
    const QString path = TargetPath();
    LargestPlaylist();
    for (auto _ : state) {
        const PlaylistFileResult result = WritePlaylistFile(path, Compose(state));
        if (result.status != PlaylistFileResult::Status::Written)
            state.SkipWithError("not written");
    }
}

void BM_ComposeOnly(benchmark::State& state) {
    LargestPlaylist();
    for (auto _ : state) benchmark::DoNotOptimize(Compose(state));
}

void BM_PlainWriteFloor(benchmark::State& state) {
    const QString path = TargetPath();
    const QByteArray bytes = Compose(state).toUtf8() + "\r\n";
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            state.SkipWithError("not written");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

#ifdef Q_OS_UNIX
// The same floor with the data forced to the disk, as QSaveFile does before it replaces a file:
// the fair floor for the wall time of a save.
void BM_PlainWriteSyncedFloor(benchmark::State& state) {
    const QString path = TargetPath();
    const QByteArray bytes = Compose(state).toUtf8() + "\r\n";
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.flush() || fdatasync(file.handle()) != 0)
            state.SkipWithError("not written");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
#endif

// Every type in both forms: {PlaylistType, PlaylistTarget}.
void EveryTypeAndForm(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"type", "player"})->Unit(benchmark::kMillisecond);
    for (const PlaylistType type : kPlaylistTypes)
        for (int target : {0, 1}) benchmark->Args({static_cast<int>(type), target});
}

}  // namespace

BENCHMARK(BM_ComposeEncodeWrite)->Apply(EveryTypeAndForm);
BENCHMARK(BM_ComposeOnly)->Apply(EveryTypeAndForm);
BENCHMARK(BM_PlainWriteFloor)->Apply(EveryTypeAndForm);
#ifdef Q_OS_UNIX
BENCHMARK(BM_PlainWriteSyncedFloor)->Apply(EveryTypeAndForm);
#endif
