// SPDX-License-Identifier: MIT
#include "ui/tree_walk_progress.h"

#include <QEventLoop>
#include <QMutex>
#include <QMutexLocker>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

#include "ui/read_progress.h"

namespace {

// The progress window's text is refreshed this often, not at every folder the worker reports.
constexpr int kProgressRefreshMs = 100;

// What the worker reports and the window reads.
class WalkState {
public:
    bool report(int found, const QString& folder) {
        const QMutexLocker lock(&mutex_);
        found_ = found;
        folder_ = folder;
        return !cancelled_.load();
    }
    QString text() const {
        const QMutexLocker lock(&mutex_);
        return QStringLiteral("Найдено файлов: %1\n%2").arg(found_).arg(folder_);
    }
    void cancel() { cancelled_ = true; }

private:
    mutable QMutex mutex_;
    int found_ = 0;
    QString folder_;
    std::atomic<bool> cancelled_ = false;
};

}  // namespace

FolderTreeWalk WalkWithProgress(QWidget* parent, const TreeWalk& walk) {
    WalkState state;
    FolderTreeWalk result;
    // This call waits for the worker's end even after a cancel, so it may use the locals.
    std::unique_ptr<QThread> worker(QThread::create([&] {
        result = walk(
            [&state](int found, const QString& folder) { return state.report(found, folder); });
    }));

    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kProgressBlinkMs, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!worker->isFinished()) {
        QProgressDialog progress(state.text(), QStringLiteral("Отмена"), 0, 0, parent);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.setAutoReset(false);
        progress.setAutoClose(false);
        QObject::connect(&progress, &QProgressDialog::canceled, &loop,
                         [&state] { state.cancel(); });
        QTimer refresh;
        QObject::connect(&refresh, &QTimer::timeout, &progress,
                         [&progress, &state] { progress.setLabelText(state.text()); });
        refresh.start(kProgressRefreshMs);
        progress.show();
        // The worker may have ended before the connection above was made.
        if (!worker->isFinished()) loop.exec();
    }
    worker->wait();
    return result;
}
