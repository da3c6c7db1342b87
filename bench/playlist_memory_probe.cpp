// SPDX-License-Identifier: MIT
// Peak memory of saving or of opening the largest playlist the program writes: 32,767 entries of
// Cyrillic paths as long as Linux allows (4,095 bytes), as WPL, which writes each Cyrillic letter
// as a 7-byte character reference. One step per process, so that the peak is the step's own.
//
// Also the memory of opening a large M3U or PLS of a music library (256 MB of titled entries of
// about 100 bytes, far more than the playlist takes): "large" writes that file, "open-large" opens
// it as "Открыть" does, the playlist filled to its limit.
//
// Usage: playlist_memory_probe save|open|read FILE.wpl
//        playlist_memory_probe large|open-large FILE.m3u|FILE.pls
// "read" is the reading part of an open alone (ReadPlaylistFile), for context. Prints one JSON
// object: the step (open-large with the file's type: "open-large-m3u"), the file's size, the memory
// the process held just before the step and its peak during it (ru_maxrss), in bytes. Exits 1 when
// the step did not succeed.
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
#include <optional>

#include "output/playlist_file.h"
#include "playlist/playlist_limits.h"
#include "playlist/playlist_type.h"
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

constexpr qint64 kLargeFileBytes = qint64{256} * 1024 * 1024;
constexpr qsizetype kWrittenPieceBytes = qsizetype{1024} * 1024;

// One entry of a library as the line-based types write it: its title and length, then its path.
QByteArray LibraryEntry(PlaylistType type, int index) {
    const QByteArray title =
        QStringLiteral("Artist %1 - Song %2").arg(index / 12).arg(index % 12).toUtf8();
    const QByteArray path = QStringLiteral("/home/user/Music/Artist %1/Album/%2 Song.mp3")
                                .arg(index / 12)
                                .arg(index % 12)
                                .toUtf8();
    const QByteArray number = QByteArray::number(index + 1);
    const QByteArray seconds = QByteArray::number(120 + index % 300);
    if (type == PlaylistType::PLS)
        return "File" + number + '=' + path + "\r\nTitle" + number + '=' + title + "\r\nLength" +
               number + '=' + seconds + "\r\n";
    return "#EXTINF:" + seconds + ',' + title + "\r\n" + path + "\r\n";
}

// Written a piece at a time, so that writing it holds little.
bool WriteLargeFile(const QString& path, PlaylistType type) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(type == PlaylistType::PLS ? "[playlist]\r\n" : "#EXTM3U\r\n");
    QByteArray piece;
    for (int index = 0; file.size() + piece.size() < kLargeFileBytes; ++index) {
        piece += LibraryEntry(type, index);
        if (piece.size() >= kWrittenPieceBytes) {
            if (file.write(piece) != piece.size()) return false;
            piece.clear();
        }
    }
    return file.write(piece) == piece.size() && file.flush();
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
                               QStringLiteral("read"), QStringLiteral("large"),
                               QStringLiteral("open-large")};
    const std::optional<PlaylistType> type =
        arguments.size() == 3 ? PlaylistTypeOfFile(arguments[2]) : std::nullopt;
    if (!type || !steps.contains(arguments[1])) {
        std::fputs(
            "usage: playlist_memory_probe save|open|read FILE.wpl\n"
            "       playlist_memory_probe large|open-large FILE.m3u|FILE.pls\n",
            stderr);
        return 2;
    }
    QString step = arguments[1];
    const bool isSave = step == u"save";
    const QString path = QFileInfo(arguments[2]).absoluteFilePath();
    if (step == u"large") return WriteLargeFile(path, *type) ? 0 : 1;
    if (step == u"open-large") step += u'-' + PlaylistExtension(*type);

    // Empty settings and working folder, as the benchmarks have, so the window starts the same.
    QTemporaryDir root;
    UsePrivateUserFolders(root.path());
    QDir::setCurrent(root.path());
    // A message box would wait for a user: it is answered at once. One that says the open failed
    // fails the step; the large files' message that the playlist is full is expected. The open's
    // progress window is left to end by itself.
    bool failureShown = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&failureShown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            failureShown = failureShown || box->text() != kPlaylistFullMessage;
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
    } else if (step.startsWith(u"open")) {
        window.OpenPlaylistFile(path);
        done = !failureShown && window.lstPL->listCount() == kMaxPlaylistEntries;
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
