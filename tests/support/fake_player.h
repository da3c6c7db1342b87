// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The script that stands in for a player (tests/support/fake_player.sh) and what it recorded.
QString FakePlayerPath();

// The environment variable that names the script's log.
inline constexpr char kFakePlayerLogVariable[] = "LYRANTEL_FAKE_PLAYER_LOG";

struct FakePlayerStart {
    QStringList arguments;
    std::optional<QByteArray> playlist;  // nullopt when the script could not read it
};

// The complete records in the log, in the order of the starts.
QList<FakePlayerStart> ReadFakePlayerLog(const QString& logPath);

// Polls the log until it holds `count` records or the deadline passes; returns what it holds.
QList<FakePlayerStart> WaitForFakePlayerStarts(const QString& logPath, qsizetype count,
                                               QDeadlineTimer deadline = QDeadlineTimer(10000));
