// SPDX-License-Identifier: MIT
// Listing a large folder the way the file list reads it: every name read, the media files kept and
// sorted without regard to case.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "playlist/file_patterns.h"
#include "playlist/folder_listing.h"

namespace {

// A folder of this many empty media files, made once per run for each size.
const QString& FolderOfFiles(int count) {
    static QTemporaryDir root;
    static std::map<int, QString> folders;
    auto [made, isNew] = folders.try_emplace(count);
    if (isNew) {
        made->second = root.filePath(QString::number(count));
        QDir().mkpath(made->second);
        for (int i = 0; i < count; ++i) {
            QFile file(
                QStringLiteral("%1/Track %2 - some artist name.mp3").arg(made->second).arg(i));
            file.open(QIODevice::WriteOnly);
        }
    }
    return made->second;
}

void BM_ListMatchingFiles(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const QString& folder = FolderOfFiles(count);
    const FilePatternSet patterns(kMediaFilePatterns);
    for (auto _ : state) {
        const std::optional<QStringList> names = ListMatchingFiles(folder, patterns);
        if (!names || names->size() != count) state.SkipWithError("not every file listed");
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_ListMatchingFiles)
    ->ArgName("files")
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
