// SPDX-License-Identifier: MIT
// Reading the length and tags of 1,000 files, as "Сохранить с тегами..." does for a playlist of
// that size (warm: the files are in the page cache after the first round).
#include <benchmark/benchmark.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/media_tags.h"

namespace {

void BM_ReadTagsOf1000Files(benchmark::State& state) {
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("0.flac"));
    QProcess sox;
    sox.start(QStringLiteral("sox"), {"-n", "-r", "44100", "-c", "2", first, "trim", "0", "3"});
    if (!sox.waitForFinished(20000) || sox.exitCode() != 0) {
        state.SkipWithError("sox could not make the sample file");
        return;
    }
    {
        TagLib::FileRef file(QFile::encodeName(first).constData());
        file.tag()->setArtist("Some Artist");
        file.tag()->setTitle("Some Title");
        file.save();
    }
    QStringList paths = {first};
    for (int i = 1; i < 1000; ++i) {
        paths.append(folder.filePath(QStringLiteral("%1.flac").arg(i)));
        QFile::copy(first, paths.last());
    }
    for (auto _ : state) {
        for (const QString& path : paths) benchmark::DoNotOptimize(ReadMediaTags(path));
    }
}
BENCHMARK(BM_ReadTagsOf1000Files)->Unit(benchmark::kMillisecond);

}  // namespace
