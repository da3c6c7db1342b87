// SPDX-License-Identifier: MIT
// The browser and the playlist on a large folder: listing it, adding all of it, and starting the
// main window.
#include <benchmark/benchmark.h>
#include <dirent.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/list_box.h"
#include "ui/frm_main.h"

namespace {

constexpr int kFolderSize = 20000;

// A folder of 20,000 matching files, made once for all benchmarks of this run.
const QString& LargeFolder() {
    static QTemporaryDir root;
    static const QString folder = [] {
        const QString path = root.filePath(QStringLiteral("music"));
        QDir().mkpath(path);
        for (int i = 0; i < kFolderSize; ++i) {
            QFile file(QStringLiteral("%1/Track %2 - some artist name.mp3").arg(path).arg(i));
            file.open(QIODevice::WriteOnly);
        }
        return NativeFolderPath(path);
    }();
    return folder;
}

void BM_ListFolderIntoFileList(benchmark::State& state) {
    const QString& folder = LargeFolder();
    FileList files(kMediaFilePatterns);
    for (auto _ : state) {
        files.setPath(folder);
        benchmark::DoNotOptimize(files.listCount());
        state.PauseTiming();
        files.setPath(QDir::tempPath());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ListFolderIntoFileList)->Unit(benchmark::kMillisecond);

// What a change in the shown folder costs: the whole folder listed again, the selected name found.
void BM_RefreshLargeFolderKeepingSelection(benchmark::State& state) {
    FileList files(kMediaFilePatterns);
    files.setPath(LargeFolder());
    files.setListIndex(kFolderSize - 1);
    for (auto _ : state) {
        files.refresh();
        benchmark::DoNotOptimize(files.listIndex());
    }
}
BENCHMARK(BM_RefreshLargeFolderKeepingSelection)->Unit(benchmark::kMillisecond);

void BM_AddAllOfLargeFolder(benchmark::State& state) {
    frmMain window;
    window.Dir1->setPath(LargeFolder());
    window.show();
    for (auto _ : state) {
        window.lblAddAll_Click();
        state.PauseTiming();
        window.lblDelAll_Click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddAllOfLargeFolder)->Unit(benchmark::kMillisecond);

// A bare pass over the folder: every name read, nothing kept. The floor of any listing of it.
double ReaddirSeconds(const QString& folder) {
    const auto start = std::chrono::steady_clock::now();
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    int names = 0;
    while (const dirent* entry = ::readdir(dir)) names += entry->d_name[0] != '.';
    ::closedir(dir);
    benchmark::DoNotOptimize(names);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Browsing into the folder until both lists are painted; "x_readdir" is that time over a bare
// readdir of the same folder, measured in the same iterations.
void BM_BrowseIntoLargeFolder(benchmark::State& state) {
    frmMain window;
    window.show();
    const QString& folder = LargeFolder();
    const QString elsewhere = QDir(folder).filePath(QStringLiteral(".."));
    double browsing = 0;
    double floor = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.Dir1->setPath(folder);
        window.Dir1->repaint();
        window.File1->repaint();
        browsing += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        floor += ReaddirSeconds(folder);
        window.Dir1->setPath(elsewhere);
        state.ResumeTiming();
    }
    state.counters["x_readdir"] = browsing / floor;
}
BENCHMARK(BM_BrowseIntoLargeFolder)->Unit(benchmark::kMillisecond);

void BM_CreateAndLoadMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        frmMain window;
        benchmark::DoNotOptimize(window.lstPL);
    }
}
BENCHMARK(BM_CreateAndLoadMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
