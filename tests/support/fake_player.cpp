// SPDX-License-Identifier: MIT
#include "tests/support/fake_player.h"

#include <QFile>
#include <QThread>

QString FakePlayerPath() {
    return QStringLiteral(LYRANTEL_FAKE_PLAYER);
}

QList<FakePlayerStart> ReadFakePlayerLog(const QString& logPath) {
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<FakePlayerStart> starts;
    FakePlayerStart current;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("start ")) {
            current = FakePlayerStart();
        } else if (line.startsWith("arg ")) {
            current.arguments.append(QString::fromUtf8(QByteArray::fromBase64(line.mid(4))));
        } else if (line.startsWith("playlist ")) {
            current.playlist = QByteArray::fromBase64(line.mid(9));
        } else if (line == "end") {
            starts.append(current);
        }
    }
    return starts;
}

QList<FakePlayerStart> WaitForFakePlayerStarts(const QString& logPath, qsizetype count,
                                               QDeadlineTimer deadline) {
    QList<FakePlayerStart> starts = ReadFakePlayerLog(logPath);
    while (starts.size() < count && !deadline.hasExpired()) {
        QThread::msleep(20);
        starts = ReadFakePlayerLog(logPath);
    }
    return starts;
}
