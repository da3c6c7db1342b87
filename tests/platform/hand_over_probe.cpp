// SPDX-License-Identifier: MIT
// Other processes at the hand-over socket, for the tests that start this:
//   hand_over_probe flood COUNT FOLDER   a later start of the program, COUNT times over, handing
//                                        over one missing file of FOLDER each time
//   hand_over_probe listen PATH          another user's program listening at PATH, open to all,
//                                        which prints "listening" and then every message handed
#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <cstdio>

#include "platform/single_instance.h"

namespace {

int Flood(int count, const QString& folder) {
    const SingleInstance later;
    for (int i = 0; i < count; ++i) {
        const QString missing = QStringLiteral("%1/missing-%2.mp3").arg(folder).arg(i);
        if (later.handToRunningCopy({missing}) != SingleInstance::HandOver::Handed) return 1;
    }
    return 0;
}

int Listen(const QString& path) {
    QLocalServer server;
    server.setSocketOptions(QLocalServer::WorldAccessOption);
    if (!server.listen(path)) return 1;
    std::puts("listening");
    std::fflush(stdout);
    QObject::connect(&server, &QLocalServer::newConnection, &server, [&server] {
        while (QLocalSocket* client = server.nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::readChannelFinished, client, [client] {
                const QByteArray message = client->readAll();
                if (!message.isEmpty()) std::puts(message.toPercentEncoding().constData());
                std::fflush(stdout);
                client->deleteLater();
            });
        }
    });
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == u"flood")
        return Flood(arguments.at(2).toInt(), arguments.at(3));
    if (arguments.size() == 3 && arguments.at(1) == u"listen") return Listen(arguments.at(2));
    std::fputs("usage: hand_over_probe flood COUNT FOLDER | listen PATH\n", stderr);
    return 2;
}
