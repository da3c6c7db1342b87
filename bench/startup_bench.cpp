// SPDX-License-Identifier: MIT
// Start-up as the user sees it: a whole process, from its start to its window mapped on the X
// display, for the program and for a bare Qt window of the same size. Needs an X display
// (tools/bench.sh runs this under xvfb-run); each start gets empty settings and a private runtime
// folder, so no running copy takes the arguments over.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

namespace {

// Sees every top-level window the X server maps.
class MapWatcher {
public:
    MapWatcher() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }
    bool connected() const { return !xcb_connection_has_error(connection_); }

    // Forgets what happened so far, such as the windows of an earlier start.
    void drain() {
        xcb_flush(connection_);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) free(event);
    }

    // Waits for the next map of a top-level window; false when the display closed.
    bool waitForMap() {
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            free(event);
            if (mapped) return true;
        }
        return false;
    }

private:
    xcb_connection_t* connection_;
};

// Starts `program` with `arguments` in a fresh folder (or the working folder given) until its
// window is mapped, then ends it.
void StartToWindow(benchmark::State& state, const QString& program, const QStringList& arguments,
                   const QString& workingFolder = QString()) {
    // One connection for every run: it sees every map from its start on.
    static MapWatcher watcher;
    if (!watcher.connected()) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        QDir(home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        // The user's own folders may be named by these; the program must see none of them.
        for (const char* folder : {"CONFIG", "DATA", "CACHE", "STATE"}) {
            environment.insert(QStringLiteral("XDG_%1_HOME").arg(QLatin1String(folder)),
                               home.filePath(QString::fromLatin1(folder).toLower()));
        }
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           home.filePath(QStringLiteral("runtime")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workingFolder.isEmpty() ? home.path() : workingFolder);
        watcher.drain();
        state.ResumeTiming();

        process.start(program, arguments);
        const bool mapped = process.waitForStarted() && watcher.waitForMap();

        state.PauseTiming();
        process.kill();
        process.waitForFinished();
        if (!mapped) state.SkipWithError("the window never showed");
        state.ResumeTiming();
    }
}

void BM_StartToWindowBareQtWindow(benchmark::State& state) {
    StartToWindow(state, QStringLiteral(BARE_WINDOW_EXECUTABLE), {});
}
BENCHMARK(BM_StartToWindowBareQtWindow)->Unit(benchmark::kMillisecond);

void BM_StartToWindowLyrantel(benchmark::State& state) {
    StartToWindow(state, QStringLiteral(LYRANTEL_EXECUTABLE), {});
}
BENCHMARK(BM_StartToWindowLyrantel)->Unit(benchmark::kMillisecond);

// The largest playlist the program takes, handed over on the command line.
void BM_StartToWindowWithFullPlaylist(benchmark::State& state) {
    QTemporaryDir folder;
    const QString playlist = folder.filePath(QStringLiteral("full.m3u"));
    QFile file(playlist);
    if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot write the playlist");
    for (int i = 0; i < 32767; ++i)
        file.write(QStringLiteral("/music/track%1.mp3\n").arg(i).toUtf8());
    file.close();
    StartToWindow(state, QStringLiteral(LYRANTEL_EXECUTABLE), {playlist});
}
BENCHMARK(BM_StartToWindowWithFullPlaylist)->Unit(benchmark::kMillisecond);

// Started from a folder of 200,000 files, with the root folder restored (nothing stored): the
// working folder is not the one shown, so it costs nothing.
void BM_StartToWindowFromAHugeWorkingFolder(benchmark::State& state) {
    QTemporaryDir folder;
    for (int i = 0; i < 200000; ++i) {
        QFile file(folder.filePath(QStringLiteral("track%1.mp3").arg(i)));
        if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot make the files");
    }
    StartToWindow(state, QStringLiteral(LYRANTEL_EXECUTABLE), {}, folder.path());
}
BENCHMARK(BM_StartToWindowFromAHugeWorkingFolder)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
