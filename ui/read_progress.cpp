// SPDX-License-Identifier: MIT
#include "ui/read_progress.h"

#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <memory>

namespace {

bool IsOver(const QPointer<QThread>& worker) {
    return worker.isNull() || worker->isFinished();
}

}  // namespace

std::optional<ReadResult> ReadWithProgress(QWidget* parent, const QString& label,
                                           std::function<ReadResult()> read) {
    // Shared with the worker, which may outlive this call when the user gives up.
    auto result = std::make_shared<std::optional<ReadResult>>();
    if (!RunWithProgress(parent, label, [result, read = std::move(read)] { *result = read(); }))
        return std::nullopt;
    return std::move(*result);
}

bool RunWithProgress(QWidget* parent, const QString& label, std::function<void()> work) {
    QPointer<QThread> worker = QThread::create(std::move(work));
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);

    QEventLoop blink;
    QObject::connect(worker, &QThread::finished, &blink, &QEventLoop::quit);
    QTimer::singleShot(kProgressBlinkMs, &blink, &QEventLoop::quit);
    worker->start();
    blink.exec(QEventLoop::ExcludeUserInputEvents);

    if (!IsOver(worker)) {
        QProgressDialog progress(label, QStringLiteral("Отмена"), 0, 0, parent);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        QObject::connect(worker, &QThread::finished, &progress, &QProgressDialog::accept);
        // The worker may have ended before the connection was made.
        if (!IsOver(worker)) progress.exec();
        if (progress.wasCanceled() || !IsOver(worker)) return false;
    }
    return true;
}
