#include "output/playlist_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "output/playlist_text.h"
#include "output/text_encoding.h"
#include "tests/support/isolation.h"

namespace {

using Status = PlaylistFileResult::Status;

QString Compose(PlaylistType type, const QStringList& folders, const QStringList& names,
                const QString& title) {
    QString text;
    AppendPlaylistLines(text, type, PlaylistTarget::SaveFile, folders, names, title, u'/');
    return text;
}

}  // namespace

TEST(PlaylistFile, WritesTheTextAndOneMoreLineEnd) {
    const QString path = WorkPath(QStringLiteral("list.m3u"));
    struct WriteCase {
        QString text;
        QByteArray bytes;
    };
    const WriteCase cases[] = {
        {Compose(PlaylistType::M3U, {}, {}, {}),
         "#EXTM3U\r\n\r\n"},  // the empty playlist: 11 bytes
        {QString(), "\r\n"},
        // UTF-8 with no byte-order mark.
        {QStringLiteral("/музыка/ё.mp3\r\n"),
         "/\xD0\xBC\xD1\x83\xD0\xB7\xD1\x8B\xD0\xBA\xD0\xB0/\xD1\x91.mp3\r\n\r\n"},
    };
    for (const WriteCase& c : cases) {
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

TEST(PlaylistFile, FullDeviceIsReportedAndStaysADevice) {
    const QString full = QStringLiteral("/dev/full");
    if (!QFileInfo(full).exists() || QFileInfo(full).isFile()) GTEST_SKIP() << "no /dev/full";
    const PlaylistFileResult result = WritePlaylistFile(full, u"#EXTM3U\r\n");
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_TRUE(result.failureReason.contains(QStringLiteral("No space left on device")))
        << result.failureReason.toStdString();
    // Replacing the target with a finished file would have put a regular file in its place.
    EXPECT_FALSE(QFileInfo(full).isFile());
}

TEST(PlaylistFile, ReadOnlyFolderKeepsTheEarlierFile) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    const QString folder = WorkPath(QStringLiteral("locked"));
    QDir().mkdir(folder);
    const QString path = folder + QStringLiteral("/list.m3u");
    WriteBytes(path, "earlier");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const PlaylistFileResult result = WritePlaylistFile(path, u"#EXTM3U\r\n");
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_FALSE(result.failureReason.isEmpty());
    EXPECT_EQ(ReadBytes(path), "earlier");
}

TEST(PlaylistFile, FullFileSystemKeepsTheEarlierFile) {
    // A small file system of the child's own, in a mount namespace that vanishes with it: the
    // first save fits, the second runs out of space half-way.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) GTEST_SKIP() << "no unshare";
    const QString folder = WorkPath(QStringLiteral("small"));
    QDir().mkdir(folder);
    const char script[] =
        "mount -t tmpfs -o size=128k tmpfs \"$1\" || { echo cannot-mount; exit 0; }\n"
        "\"$2\" \"$1/list.m3u\" 10 || exit 3\n"
        "\"$2\" \"$1/list.m3u\" 100000\n"
        "echo \"second=$?\"\n"
        "ls -A \"$1\"\n"
        "wc -c < \"$1/list.m3u\"\n";
    QStringList arguments = {QStringLiteral("--mount")};
    if (geteuid() != 0) arguments.prepend(QStringLiteral("--map-root-user"));
    arguments << QStringLiteral("sh") << QStringLiteral("-c") << QString::fromLatin1(script)
              << QStringLiteral("sh") << folder << QStringLiteral(WRITE_PLAYLIST_PROBE);
    QProcess child;
    child.start(unshare, arguments);
    ASSERT_TRUE(child.waitForFinished(30000));
    const QByteArray output = child.readAllStandardOutput();
    if (child.exitCode() != 0 || output.startsWith("cannot-mount"))
        GTEST_SKIP() << "no mount namespace here: " << child.readAllStandardError().toStdString();

    // The earlier file: ten entries of 33 bytes after the 9-byte header, and the last line end.
    EXPECT_EQ(output.toStdString(),
              "written\nfailed: No space left on device\nsecond=1\nlist.m3u\n341\n");
}

TEST(PlaylistFile, LoneSurrogateIsReportedAsReplaced) {
    const EncodedText encoded =
        EncodePlaylistText(QString(QChar(0xD800)) + QStringLiteral("a.mp3"));
    EXPECT_TRUE(encoded.charactersReplaced);
    EXPECT_TRUE(encoded.bytes.endsWith("a.mp3"));
    EXPECT_FALSE(EncodePlaylistText(u"Ёлка 𝄞").charactersReplaced);
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
