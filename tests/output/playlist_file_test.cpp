// SPDX-License-Identifier: MIT
#include "output/playlist_file.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <optional>

#include "output/playlist_text.h"
#include "output/save_target.h"
#include "output/text_encoding.h"
#include "playlist/file_name_codec.h"
#include "playlist/playlist_limits.h"
#include "playlist/readers/playlist_readers.h"
#include "tests/support/isolation.h"
#include "tests/support/playlist_entries.h"
#include "tests/support/playlist_type_names.h"

namespace {

using Status = PlaylistFileResult::Status;

QString Compose(PlaylistType type, const QStringList& folders, const QStringList& names,
                const QString& title) {
    QString text;
    AppendPlaylistLines(text, type, PlaylistTarget::SaveFile, EntriesOf(names, folders), title,
                        u'/');
    return text;
}

// The check of ReadOnlyFolderKeepsTheEarlierFile for a test run as root: the test's own folders are
// private to root, so nobody gets a folder in the temporary folder and a copy of the probe there.
void ExpectReadOnlyFolderKeepsTheEarlierFileAsNobody() {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    ASSERT_FALSE(setpriv.isEmpty()) << "setpriv (util-linux) is needed to write as nobody";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr) << "no user nobody to write as";
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;

    QTemporaryDir shared;
    ASSERT_TRUE(shared.isValid());
    ASSERT_TRUE(
        QFile::setPermissions(shared.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ExeOther));
    const QString probe = shared.filePath(QStringLiteral("write_playlist_probe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(WRITE_PLAYLIST_PROBE), probe));
    ASSERT_TRUE(QFile::setPermissions(probe, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                 QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QString folder = shared.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/list.m3u");
    WriteBytes(path, "earlier");
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), uid, gid), 0);
    ASSERT_EQ(chown(QFile::encodeName(folder).constData(), uid, gid), 0);
    // The owner may read and enter the folder and read the file, not write to either (a writable
    // file in such a folder is saved in place).
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    QProcess child;
    child.start(setpriv,
                {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(gid),
                 QStringLiteral("--clear-groups"), probe, path, QStringLiteral("1")});
    ASSERT_TRUE(child.waitForFinished(30000));
    const QByteArray output = child.readAllStandardOutput();
    EXPECT_EQ(child.exitCode(), 1) << child.readAllStandardError().toStdString();
    // "failed: " and the system's reason, as the probe prints a Failed result.
    EXPECT_TRUE(output.startsWith("failed: ")) << output.toStdString();
    EXPECT_FALSE(output.mid(8).trimmed().isEmpty()) << output.toStdString();
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_EQ(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList{QStringLiteral("list.m3u")});
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace

TEST(PlaylistFile, WritesTheTextAndOneMoreLineEnd) {
    const QString path = WorkPath(QStringLiteral("list.m3u"));
    struct WriteCase {
        const char* what;
        QString text;
        QByteArray bytes;
    };
    const WriteCase cases[] = {
        {"the empty playlist: 11 bytes", Compose(PlaylistType::M3U, {}, {}, {}), "#EXTM3U\r\n\r\n"},
        {"no text at all", QString(), "\r\n"},
        {"UTF-8 with no byte-order mark", QStringLiteral("/музыка/ё.mp3\r\n"),
         "/\xD0\xBC\xD1\x83\xD0\xB7\xD1\x8B\xD0\xBA\xD0\xB0/\xD1\x91.mp3\r\n\r\n"},
        {"a text of several pieces", QString(kEncodingPieceLength * 2 + 1, u'ё'),
         QString(kEncodingPieceLength * 2 + 1, u'ё').toUtf8() + "\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        const PlaylistFileResult result = WritePlaylistFile(path, c.text);
        EXPECT_EQ(result.status, Status::Written);
        EXPECT_FALSE(result.charactersReplaced);
        EXPECT_EQ(ReadBytes(path), c.bytes);
    }
}

TEST(PlaylistFile, ReplacesAnEarlierFileEntirelyAndKeepsItsPermissions) {
    const QString path = WorkPath(QStringLiteral("list.pls"));
    WriteBytes(path, QByteArray(5000, 'x'));
    const QFileDevice::Permissions earlier = QFile::permissions(path);
    EXPECT_EQ(WritePlaylistFile(path, u"new\r\n").status, Status::Written);
    EXPECT_EQ(ReadBytes(path), "new\r\n\r\n");
    EXPECT_EQ(QFile::permissions(path), earlier);
}

TEST(PlaylistFile, NewFileIsReadableByOthersAsUsual) {
    // A temporary file is private; the finished playlist must be readable like any file the
    // user makes, or a media server of the same machine could not read it.
    const QString path = WorkPath(QStringLiteral("fresh.m3u"));
    ASSERT_EQ(WritePlaylistFile(path, u"x").status, Status::Written);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(QFile::permissions(path) & QFileDevice::ReadOther,
              (mask & S_IROTH) ? QFileDevice::Permissions() : QFileDevice::ReadOther);
}

TEST(PlaylistFile, EmptyPathCreatesNothing) {
    const PlaylistFileResult result = WritePlaylistFile(QString(), u"#EXTM3U\r\n");
    EXPECT_EQ(result.status, Status::NoPath);
    EXPECT_TRUE(result.failureReason.isEmpty());
    EXPECT_TRUE(
        QDir(TestWorkFolder()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));
}

TEST(PlaylistFile, FailuresReportTheSystemsReason) {
    QDir(TestWorkFolder()).mkdir(QStringLiteral("folder.m3u"));
    const QString targets[] = {
        WorkPath(QStringLiteral("missing/list.m3u")),
        WorkPath(QStringLiteral("folder.m3u")),
    };
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const PlaylistFileResult result = WritePlaylistFile(target, u"#EXTM3U\r\n");
        EXPECT_EQ(result.status, Status::Failed) << target.toStdString();
        EXPECT_FALSE(result.failureReason.isEmpty()) << target.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(WorkPath(QStringLiteral("missing"))));
    EXPECT_TRUE(QFileInfo(WorkPath(QStringLiteral("folder.m3u"))).isDir());
    EXPECT_EQ(
        QDir(TestWorkFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
        QStringList{QStringLiteral("folder.m3u")});
}

// Opening a pipe would wait for a reader and freeze the window; a device is no playlist. Every
// special file is made here, in the test's own folder: should the refusal ever fail, only these are
// replaced, never the machine's own /dev/null or /dev/full.
TEST(PlaylistFile, AnythingButARegularFileIsRefusedBeforeItIsOpened) {
    const QString fifo = WorkPath(QStringLiteral("pipe.m3u"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = WorkPath(QStringLiteral("folder.m3u"));
    ASSERT_TRUE(QDir().mkdir(folder));
    // The same numbers as /dev/full: a write that got through would fail with "No space left on
    // device", so the refusal must come before it.
    const QString device = WorkPath(QStringLiteral("full.m3u"));
    const bool haveDevice =
        mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0;
    const QString fifoReason = QStringLiteral("Это именованный канал (FIFO), а не обычный файл.");
    const QString deviceReason = QStringLiteral("Это устройство, а не обычный файл.");
    const QString folderReason = QStringLiteral("Это папка, а не обычный файл.");
    const auto linkTo = [](const QString& target) {
        QString link = WorkPath(QStringLiteral("link-to-") + QFileInfo(target).fileName());
        EXPECT_TRUE(QFile::link(target, link));
        return link;
    };
    const struct {
        QString path;
        QString reason;
        bool isDevice = false;
    } cases[] = {
        {fifo, fifoReason},           {linkTo(fifo), fifoReason},
        {folder, folderReason},       {linkTo(folder), folderReason},
        {device, deviceReason, true}, {linkTo(device), deviceReason, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        // The device rows come last; CI runs as root.
        if (c.isDevice && !haveDevice) GTEST_SKIP() << "making a device node needs root";
        const PlaylistFileResult result = WritePlaylistFile(c.path, u"#EXTM3U\r\n");
        EXPECT_EQ(result.status, Status::Failed);
        EXPECT_EQ(result.failureReason, c.reason);
        EXPECT_FALSE(QFileInfo(c.path).isFile());  // not replaced by a regular file
    }
}

// Replacing the file with a new one would change what the file is; such a file is written in
// place and stays the same file.
TEST(PlaylistFile, AFileThatWouldLoseItsIdentityIsWrittenInPlace) {
    const QString path = WriteWorkFile(QStringLiteral("list.m3u"), QByteArray(5000, 'x'));
    const QString link = WorkPath(QStringLiteral("link.m3u"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_EQ(WritePlaylistFile(path, u"shared").status, Status::Written);
    EXPECT_EQ(ReadBytes(link), "shared\r\n");  // the link still shares the file
    const QString severalPieces(kEncodingPieceLength * 2 + 1, u'ё');
    EXPECT_EQ(WritePlaylistFile(path, severalPieces).status, Status::Written);
    EXPECT_EQ(ReadBytes(link), severalPieces.toUtf8() + "\r\n");

    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    const QString theirs = WriteWorkFile(QStringLiteral("theirs.m3u"), "earlier, longer text");
    ASSERT_EQ(chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
    EXPECT_EQ(WritePlaylistFile(theirs, u"new").status, Status::Written);
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(theirs).constData(), &after), 0);
    EXPECT_EQ(after.st_uid, 65534u);  // the owner stays the owner
    EXPECT_EQ(ReadBytes(theirs), "new\r\n");
}

TEST(InPlaceWrite, ChosenOnlyWhereReplacingWouldChangeTheFile) {
    const auto with = [](auto change) {
        SaveTarget target;
        target.exists = true;
        target.owner = 1000;
        target.group = target.groupOfNewFile = 100;
        change(target);
        return target;
    };
    const SaveTarget ordinary = with([](SaveTarget&) {});
    const struct {
        const char* what;
        SaveTarget target;
        SaveMethod method;
    } cases[] = {
        {"a new file", {}, SaveMethod::Replace},
        {"an ordinary file of the user", ordinary, SaveMethod::Replace},
        {"an unwritable folder", with([](SaveTarget& t) { t.folderWritable = false; }),
         SaveMethod::InPlace},
        {"a hard link", with([](SaveTarget& t) { t.links = 2; }), SaveMethod::InPlace},
        {"another owner", with([](SaveTarget& t) { t.owner = 0; }), SaveMethod::InPlace},
        {"a group a new file would not get", with([](SaveTarget& t) { t.group = 1001; }),
         SaveMethod::InPlace},
        {"an access control list", with([](SaveTarget& t) { t.extendedAttributes = true; }),
         SaveMethod::InPlace},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ChooseSaveMethod(c.target, 1000), c.method);
    }
}

// A file the user shares with a group, or marked with attributes of its own, stays so: a new file
// would get the user's own group and none of the attributes.
TEST(PlaylistFile, AFileKeepsItsGroupAndItsAttributes) {
    gid_t groups[64];
    const int count = getgroups(64, groups);
    const auto other =
        std::find_if(groups, groups + std::max(count, 0), [](gid_t g) { return g != getegid(); });
    const gid_t shared = geteuid() == 0 ? 65534 : (other == groups + count ? 0 : *other);
    if (shared == 0) GTEST_SKIP() << "needs root or a second group of the user's";
    const QString path = WriteWorkFile(QStringLiteral("shared.m3u"), "earlier");
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), -1, shared), 0);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0660), 0);
    ASSERT_EQ(WritePlaylistFile(path, u"new").status, Status::Written);
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_EQ(after.st_gid, shared);
    EXPECT_EQ(after.st_mode & 07777, 0660u);
    EXPECT_EQ(ReadBytes(path), "new\r\n");

    const QString marked = WriteWorkFile(QStringLiteral("marked.m3u"), "earlier");
    if (setxattr(QFile::encodeName(marked).constData(), "user.origin", "mix", 3, 0) != 0)
        GTEST_SKIP() << "no user attributes on this file system";
    ASSERT_EQ(WritePlaylistFile(marked, u"new").status, Status::Written);
    char value[8] = {};
    EXPECT_EQ(getxattr(QFile::encodeName(marked).constData(), "user.origin", value, sizeof value),
              3);
    EXPECT_STREQ(value, "mix");
}

// The file size limit makes a write stop short at it and the next one fail, as a disk that fills
// up does. Here the limit falls in the last write, the closing line end: taking that short write
// for the whole would put the cut-off text in place of the earlier file.
TEST(PlaylistFile, AShortWriteIsNotTakenForTheWhole) {
    const QString text(1000, u'x');
    const QString path = WriteWorkFile(QStringLiteral("list.m3u"), "earlier");
    const QString linked = WriteWorkFile(QStringLiteral("linked.m3u"), "earlier");
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(),
                     QFile::encodeName(WorkPath(QStringLiteral("link.m3u"))).constData()),
              0);
    rlimit earlierLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &earlierLimit), 0);
    const auto earlierSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = earlierLimit;
    limit.rlim_cur = text.size() + 1;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const PlaylistFileResult replaced = WritePlaylistFile(path, text);
    const PlaylistFileResult inPlace = WritePlaylistFile(linked, text);
    setrlimit(RLIMIT_FSIZE, &earlierLimit);
    signal(SIGXFSZ, earlierSignal);

    EXPECT_EQ(replaced.status, Status::Failed);
    EXPECT_EQ(replaced.failureReason, QStringLiteral("File too large"));
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_EQ(inPlace.status, Status::Failed);
    EXPECT_EQ(inPlace.failureReason, QStringLiteral("File too large") + kEarlierTextRestored);
    EXPECT_EQ(ReadBytes(linked), "earlier");
}

// As another user: a writable playlist in a folder that user can't write.
TEST(PlaylistFile, AWritableFileInAnUnwritableFolderIsSaved) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (geteuid() != 0 || setpriv.isEmpty()) GTEST_SKIP() << "needs root and setpriv";
    // The user "nobody" must reach the folder through the test's own private ones.
    for (QString folder = TestWorkFolder(); folder != QDir::tempPath();
         folder = QFileInfo(folder).absolutePath())
        QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ExeOther);
    const QString path = WriteWorkFile(QStringLiteral("list.m3u"), "earlier");
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    QProcess child;
    child.start(setpriv, {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                          QStringLiteral("--clear-groups"), QStringLiteral(WRITE_PLAYLIST_PROBE),
                          path, QStringLiteral("1")});
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.readAllStandardOutput(), "written\n") << child.readAllStandardError().data();
    EXPECT_TRUE(ReadBytes(path).endsWith("/music/track.mp3\r\n\r\n"));
}

// The superuser writes into read-only folders, so as root the save runs in a child process as the
// user "nobody", on a folder of its own that it may not write to.
TEST(PlaylistFile, ReadOnlyFolderKeepsTheEarlierFile) {
    if (geteuid() == 0) {
        ExpectReadOnlyFolderKeepsTheEarlierFileAsNobody();
        return;
    }
    const QString folder = WorkPath(QStringLiteral("locked"));
    QDir().mkdir(folder);
    const QString path = folder + QStringLiteral("/list.m3u");
    WriteBytes(path, "earlier");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const PlaylistFileResult result = WritePlaylistFile(path, u"#EXTM3U\r\n");
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_FALSE(result.failureReason.isEmpty());
    EXPECT_EQ(ReadBytes(path), "earlier");
}

// Runs the shell script in a mount namespace of its own (as root there), with the folder as $1
// and the write probe as $2; its standard output comes back. The reason to skip when this machine
// gives no such namespace (the script says "cannot-mount" when its mount is refused).
std::optional<QString> RunInMountNamespace(const char* script, const QString& folder,
                                           QByteArray* output) {
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) return QStringLiteral("no unshare");
    QStringList arguments = {QStringLiteral("--mount")};
    if (geteuid() != 0) arguments.prepend(QStringLiteral("--map-root-user"));
    arguments << QStringLiteral("sh") << QStringLiteral("-c") << QString::fromLatin1(script)
              << QStringLiteral("sh") << folder << QStringLiteral(WRITE_PLAYLIST_PROBE);
    QProcess child;
    child.start(unshare, arguments);
    if (!child.waitForFinished(30000)) return QStringLiteral("the namespace's script hung");
    *output = child.readAllStandardOutput();
    if (child.exitCode() != 0 || output->startsWith("cannot-mount"))
        return QStringLiteral("no mount namespace here: ") +
               QString::fromLocal8Bit(child.readAllStandardError());
    return std::nullopt;
}

TEST(PlaylistFile, FullFileSystemKeepsTheEarlierFile) {
    // A small file system of the child's own, in a mount namespace that vanishes with it: the
    // first save fits, the second runs out of space half-way.
    const QString folder = WorkPath(QStringLiteral("small"));
    QDir().mkdir(folder);
    const char script[] =
        "mount -t tmpfs -o size=128k tmpfs \"$1\" || { echo cannot-mount; exit 0; }\n"
        "\"$2\" \"$1/list.m3u\" 10 || exit 3\n"
        "\"$2\" \"$1/list.m3u\" 100000\n"
        "echo \"second=$?\"\n"
        "ls -A \"$1\"\n"
        "wc -c < \"$1/list.m3u\"\n"
        // A hard link makes the next save go in place: the earlier text is written back.
        "ln \"$1/list.m3u\" \"$1/link.m3u\"\n"
        "\"$2\" \"$1/list.m3u\" 100000\n"
        "echo \"in-place=$?\"\n"
        "wc -c < \"$1/link.m3u\"\n";
    QByteArray output;
    if (const std::optional<QString> skip = RunInMountNamespace(script, folder, &output))
        GTEST_SKIP() << skip->toStdString();

    // The earlier file: ten entries of 33 bytes after the 9-byte header, and the last line end.
    EXPECT_EQ(output.toStdString(),
              "written\nfailed: No space left on device\nsecond=1\nlist.m3u\n341\n"
              "failed: No space left on device\nПрежний текст файла восстановлен.\n"
              "in-place=1\n341\n");
}

// A file that can't even be opened for writing is left as it was, and the message says no more
// than that: nothing was written, so nothing was restored.
TEST(PlaylistFile, AFileOnAReadOnlyFileSystemIsLeftAsItWas) {
    const QString folder = WorkPath(QStringLiteral("readonly"));
    QDir().mkdir(folder);
    const char script[] =
        "mount -t tmpfs -o size=128k tmpfs \"$1\" || { echo cannot-mount; exit 0; }\n"
        "\"$2\" \"$1/list.m3u\" 1 || exit 3\n"
        "mount -o remount,ro \"$1\" || exit 4\n"
        "\"$2\" \"$1/list.m3u\" 2\n"
        "echo \"status=$?\"\n"
        "wc -c < \"$1/list.m3u\"\n";
    QByteArray output;
    if (const std::optional<QString> skip = RunInMountNamespace(script, folder, &output))
        GTEST_SKIP() << skip->toStdString();
    EXPECT_EQ(output.toStdString(), "written\nfailed: Read-only file system\nstatus=1\n44\n");
}

// The whole text is written but the finished file can't take the earlier one's place: the target
// is a mount point (a file bound onto itself) in a mount namespace of the child's own, and
// renaming over a mount point is refused even to the superuser.
TEST(PlaylistFile, ARefusedReplacementKeepsTheEarlierFile) {
    const QString folder = WorkPath(QStringLiteral("bound"));
    QDir().mkdir(folder);
    WriteBytes(folder + QStringLiteral("/list.m3u"), "earlier");
    const char script[] =
        "mount --bind \"$1/list.m3u\" \"$1/list.m3u\" || { echo cannot-mount; exit 0; }\n"
        "\"$2\" \"$1/list.m3u\" 10\n"
        "echo \"status=$?\"\n"
        "ls -A \"$1\"\n"
        "cat \"$1/list.m3u\"\n";
    QByteArray output;
    if (const std::optional<QString> skip = RunInMountNamespace(script, folder, &output))
        GTEST_SKIP() << skip->toStdString();

    // A Failed result with the system's reason, no file left behind, the earlier text in place.
    EXPECT_TRUE(output.startsWith("failed: ")) << output.toStdString();
    EXPECT_TRUE(output.endsWith("\nstatus=1\nlist.m3u\nearlier")) << output.toStdString();
    EXPECT_GT(output.indexOf("\nstatus=1"), qsizetype(8)) << "no reason given";
    EXPECT_EQ(ReadBytes(folder + QStringLiteral("/list.m3u")), "earlier");
}

// The text is encoded a piece at a time: a surrogate pair is never split between two pieces, and a
// lone surrogate anywhere is reported.
TEST(PlaylistFile, EncodesInPiecesWithoutSplittingACharacter) {
    const QString pair = QStringLiteral("𝄞");
    const QChar loneHigh(0xD800);
    const QByteArray replacement = "\xEF\xBF\xBD";  // U+FFFD
    const QByteArray firstPiece(kEncodingPieceLength - 1, 'a');
    const struct {
        const char* what;
        QString text;
        int pieces;
        QByteArray replaced = QByteArray();  // the bytes when characters were replaced
    } cases[] = {
        {"nothing", QString(), 0},
        {"Cyrillic and a pair", QStringLiteral("Ёлка 𝄞"), 1},
        {"several whole pieces", QString(kEncodingPieceLength * 2 + 1, u'я'), 3},
        {"a pair across the boundary", QString(kEncodingPieceLength - 1, u'a') + pair + u'b', 2},
        {"a pair ending the first piece", QString(kEncodingPieceLength - 2, u'a') + pair + u'b', 2},
        {"a lone high surrogate ending the text", QStringLiteral("a.mp3") + loneHigh, 1,
         "a.mp3" + replacement},
        {"a lone low surrogate", QChar(0xDC00) + QStringLiteral("a.mp3"), 1, replacement + "a.mp3"},
        {"a lone high surrogate at the boundary",
         QString(kEncodingPieceLength - 1, u'a') + loneHigh + u'b', 2,
         firstPiece + replacement + "b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes;
        int pieces = 0;
        EncodingResult result;
        const auto take = [&](QByteArrayView piece) {
            bytes += piece;
            ++pieces;
            return true;
        };
        EXPECT_TRUE(EncodePlaylistText(c.text, take, result));
        EXPECT_EQ(pieces, c.pieces);
        EXPECT_EQ(result.charactersReplaced, !c.replaced.isEmpty());
        EXPECT_FALSE(result.failureReason);
        EXPECT_EQ(bytes, c.replaced.isEmpty() ? c.text.toUtf8() : c.replaced);
    }
    // A sink that refuses a piece stops the encoding there.
    int pieces = 0;
    EncodingResult result;
    EXPECT_FALSE(EncodePlaylistText(
        QString(kEncodingPieceLength * 2, u'a'), [&pieces](QByteArrayView) { return ++pieces > 1; },
        result));
    EXPECT_EQ(pieces, 1);
}

// The longest path Linux takes (PATH_MAX: 4,096 bytes with the closing NUL), of folder and file
// names as long as it takes (NAME_MAX: 255 bytes) filled with the character; a byte it leaves over
// is an "x".
QString LongestPathOf(QChar character) {
    const qsizetype size = EncodeFileName(QString(character)).size();
    const auto name = [&](qsizetype bytes) {
        return QString(bytes / size, character) + QString(bytes % size, u'x');
    };
    QString path;
    for (int i = 0; i < 15; ++i) path += u'/' + name(255);
    return path + u'/' + name(254);
}

// Whatever the program writes opens again. The dearest entries of each type, paths as long as
// Linux takes made of the character that costs the most bytes, are written by the real writer: a
// full playlist of them with the longest title stays under the read limit, and the file opens with
// each entry and the title as they were.
TEST(PlaylistFile, TheLargestPlaylistWrittenOpensAgain) {
    const QString title(kMaxPlaylistEntries, QChar(0xFF02));  // the title box's most, "&#65282;"
    const struct {
        const char* what;
        QChar character;
    } shapes[] = {
        {"quotation marks: 6 bytes each in WPL", u'"'},
        {"Cyrillic: 7 bytes for 2 in WPL", u'я'},
        {"fullwidth forms: 8 bytes for 3 in WPL", QChar(0xFF02)},
        {"a control character: a file URI, 3 bytes for each", QChar(0x01)},
        {"bytes that aren't UTF-8: a file URI, 3 bytes for each", QChar(0xDCFF)},
    };
    qint64 largest = 0;
    for (const PlaylistType type : kPlaylistTypes) {
        for (const auto& shape : shapes) {
            SCOPED_TRACE(std::string(NameOf(type)) + ", " + shape.what);
            const QString path = LongestPathOf(shape.character);
            ASSERT_EQ(EncodeFileName(path).size(), 4095);
            const qsizetype cut = path.lastIndexOf(u'/');
            const QString folder = path.first(cut);
            const QString name = path.sliced(cut + 1);
            const QString file = WorkPath(QStringLiteral("list.") + PlaylistExtension(type));
            const auto writtenSize = [&](int entries) {
                const QString text =
                    Compose(type, QStringList(entries, folder), QStringList(entries, name), title);
                EXPECT_EQ(WritePlaylistFile(file, text).status, Status::Written);
                return QFileInfo(file).size();
            };
            const qint64 one = writtenSize(1);
            const qint64 two = writtenSize(2);
            largest = std::max(largest, one + (two - one) * (kMaxPlaylistEntries - 1));

            const ReadResult read = ReadPlaylistFile(file);
            ASSERT_TRUE(read.contents) << read.error.toStdString();
            EXPECT_EQ(PathsOf(read.contents->entries), QStringList(2, path));
            EXPECT_EQ(read.contents->title, type == PlaylistType::WPL ? title : QString());
        }
    }
    EXPECT_LE(largest, kMaxPlaylistFileBytes);
}

TEST(PlaylistFile, FailureMessageNamesThePathAndTheReason) {
    EXPECT_EQ(SaveFailedMessage(QStringLiteral("/x/list.m3u"), QStringLiteral("No such file")),
              QStringLiteral("Не удалось сохранить список воспроизведения в файл\n/x/list.m3u\n\n"
                             "No such file"));
}

TEST(PlaylistFile, XmlParserAcceptsWplWithAnyNames) {
    const QStringList folders = {QStringLiteral("/a&b/<c>"), QStringLiteral("/"),
                                 QStringLiteral("/музыка \"x\""), QStringLiteral("/t\tab")};
    const QStringList names = {QStringLiteral("it's & \"q\".mp3"), QStringLiteral("𝄞 😀.wma"),
                               QStringLiteral("]]> <!-- &amp; -->.mp3"),
                               QString(QChar(0x1)) + QChar(0xDC00) + QStringLiteral("\n.mp3")};
    const QString titles[] = {QString(), QStringLiteral("Party & Co"),
                              QStringLiteral("</title><x a=\"1\">Ё&#;"),
                              QString(QChar(0xFFFF)) + QChar(0xD83D)};
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    ASSERT_FALSE(xmllint.isEmpty()) << "xmllint (libxml2-utils) is needed";
    for (const QString& title : titles) {
        SCOPED_TRACE(title.toStdString());
        const QString path = WorkPath(QStringLiteral("list.wpl"));
        ASSERT_EQ(WritePlaylistFile(path, Compose(PlaylistType::WPL, folders, names, title)).status,
                  Status::Written);
        const QByteArray bytes = ReadBytes(path);
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; }));
        QProcess parser;
        parser.start(xmllint, {QStringLiteral("--noout"), path});
        ASSERT_TRUE(parser.waitForFinished(30000));
        EXPECT_EQ(parser.exitCode(), 0) << parser.readAllStandardError().toStdString();
    }
}
