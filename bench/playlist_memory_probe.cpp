// SPDX-License-Identifier: MIT
// Peak memory of saving or of opening the largest playlist the program writes: 32,767 entries of
// Cyrillic paths as long as Linux allows (4,095 bytes), as WPL, which writes each Cyrillic letter
// as a 7-byte character reference. One step per process, so that the peak is the step's own.
//
// Usage: playlist_memory_probe save|open|read FILE.wpl
// "read" is the reading part of an open alone (ReadPlaylistFile), for context. Prints one JSON
// object: the step, the file's size, the memory the process held just before the
// step and its peak during it (ru_maxrss), in bytes. Exits 1 when the step did not succeed.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "output/playlist_file.h"
#include "playlist/playlist_limits.h"
#include "playlist/readers/playlist_readers.h"
#include "tests/support/private_user_folders.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"

namespace {

// 127 letters and one ASCII character: a folder name of 255 bytes, the most a name can have.
QString FolderName() {
    return QString(127, QChar(u'я')) + u'x';
}

// "/" and 15 folder names of 255 bytes: 3,840 bytes; with "/" and the file name, 4,095.
QString Folder() {
    QString folder;
    for (int i = 0; i < 15; ++i) folder += u'/' + FolderName();
    return folder;
}

// 254 bytes: a number that keeps the names apart, and 124 letters.
QString FileName(int index) {
    return QStringLiteral("%1 ").arg(index, 5, 10, QLatin1Char('0')) + QString(124, QChar(u'я'));
}

qint64 ResidentBytesNow() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

qint64 PeakResidentBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return qint64{usage.ru_maxrss} * 1024;  // kilobytes on Linux
}

bool Save(frmMain& window, const QString& path) {
    window.ComposePlaylistText(PlaylistType::WPL, PlaylistTarget::SaveFile);
    return window.WriteOutputBuffer(path).status == PlaylistFileResult::Status::Written;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QStringList steps = {QStringLiteral("save"), QStringLiteral("open"),
                               QStringLiteral("read")};
    if (arguments.size() != 3 || !steps.contains(arguments[1])) {
        std::fputs("usage: playlist_memory_probe save|open|read FILE.wpl\n", stderr);
        return 2;
    }
    const QString& step = arguments[1];
    const bool isSave = step == u"save";
    const QString path = QFileInfo(arguments[2]).absoluteFilePath();

    // Empty settings and working folder, as the benchmarks have, so the window starts the same.
    QTemporaryDir root;
    UsePrivateUserFolders(root.path());
    QDir::setCurrent(root.path());
    // A message box (an open that fails) would wait for a user: it is answered at once, and the
    // step counts as failed. The open's progress window is left to end by itself.
    bool messageShown = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&messageShown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messageShown = true;
            box->close();
        }
    });
    answer.start(50);

    frmMain window;
    if (isSave) {
        QStringList names;
        for (int i = 0; i < kMaxPlaylistEntries; ++i) names.append(FileName(i));
        window.playlist().append(EntriesInFolder(names, Folder()));
    }

    const qint64 before = ResidentBytesNow();
    bool done = false;
    if (isSave) {
        done = Save(window, path);
    } else if (step == u"open") {
        window.OpenPlaylistFile(path);
        done = !messageShown && window.lstPL->listCount() == kMaxPlaylistEntries;
    } else {
        const ReadResult read = ReadPlaylistFile(path);
        done = read.contents && read.contents->entries.size() == kMaxPlaylistEntries;
    }
    const qint64 peak = PeakResidentBytes();

    std::printf(
        "{\"step\": \"%s\", \"done\": %s, \"file_bytes\": %lld, \"before_bytes\": %lld, "
        "\"peak_bytes\": %lld}\n",
        qPrintable(step), done ? "true" : "false", static_cast<long long>(QFileInfo(path).size()),
        static_cast<long long>(before), static_cast<long long>(peak));
    return done ? 0 : 1;
}
