// SPDX-License-Identifier: MIT
#include "output/temporary_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "tests/support/isolation.h"

namespace {

constexpr uint kNobody = 65534;

// Runs the test with $XDG_RUNTIME_DIR in its working folder, so the private folder is its own.
class TemporaryFolder : public testing::Test {
protected:
    void SetUp() override {
        runtime_ = WorkPath(QStringLiteral("runtime"));
        QDir().mkpath(runtime_);
        previous_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime_.toUtf8());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", previous_); }

    QString privateFolder() const { return runtime_ + QStringLiteral("/lyrantel"); }

    QString runtime_;
    QByteArray previous_;
};

void GiveToNobody(const QString& path) {
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0)
        << "giving a file to another user needs root";
}

}  // namespace

TEST(TemporaryFolderChoice, TempBesideTheProgramOnlyForAPortableCopy) {
    const struct {
        const char* what;
        QString applicationFolder;
        uint owner;
        uint user;
        bool portable;
    } cases[] = {
        {"portable copy", "/home/u/apps/lyrantel", 1000, 1000, true},
        {"portable copy under a look-alike name", "/optical/lyrantel", 1000, 1000, true},
        {"installed copy", "/usr/bin", 0, 1000, false},
        {"installed copy run by root", "/usr/bin", 0, 0, false},
        {"copy under /opt run by root", "/opt/lyrantel/bin", 0, 0, false},
        {"root's folder /var", "/var/lib/x/", 0, 0, false},
        {"the root folder", "/", 0, 0, false},
        {"another user's copy", "/home/a/lyrantel", 1000, 1001, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsPortableCopy(c.applicationFolder, c.owner, c.user), c.portable);
    }
}

TEST(TemporaryFolderChoice, PrivateFolderIsTheRuntimeFolderElseTheCache) {
    EXPECT_EQ(PrivateFolderPath("/run/user/1000", "/home/u/.cache"), "/run/user/1000/lyrantel");
    EXPECT_EQ(PrivateFolderPath("", "/home/u/.cache"), "/home/u/.cache/lyrantel");
    EXPECT_EQ(PrivateFolderPath("relative", "/home/u/.cache"), "/home/u/.cache/lyrantel");
}

TEST_F(TemporaryFolder, APortableCopyWritesBesideTheProgram) {
    const QString app = WorkPath(QStringLiteral("app"));
    QDir().mkpath(app);
    const TemporaryPlaylistResult result = WriteTemporaryPlaylist(app, PlaylistType::PLS, u"x");
    EXPECT_EQ(result.failure, std::nullopt);
    EXPECT_EQ(result.path, app + QStringLiteral("/Temp/plspl.pls"));
    EXPECT_EQ(ReadBytes(result.path), "x\r\n");
}

// Another user's copy (an installed one is owned by root) writes to the user's private folder,
// which is made for the user alone.
TEST_F(TemporaryFolder, AnotherUsersCopyWritesToThePrivateFolder) {
    const QString app = WorkPath(QStringLiteral("installed"));
    QDir().mkpath(app);
    GiveToNobody(app);
    const TemporaryPlaylistResult result = WriteTemporaryPlaylist(app, PlaylistType::M3U, u"x");
    EXPECT_EQ(result.failure, std::nullopt);
    EXPECT_EQ(result.path, privateFolder() + QStringLiteral("/m3upl.m3u"));
    EXPECT_EQ(ReadBytes(result.path), "x\r\n");
    EXPECT_FALSE(QFileInfo::exists(app + QStringLiteral("/Temp")));
    struct stat folder {};
    ASSERT_EQ(stat(QFile::encodeName(privateFolder()).constData(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
}

// What someone else may have put where the private folder or its playlist go: refused, with the
// reason, and nothing written anywhere.
TEST_F(TemporaryFolder, AFolderSomeoneElseCouldHaveMadeIsRefused) {
    const QString app = WorkPath(QStringLiteral("installed"));
    QDir().mkpath(app);
    GiveToNobody(app);
    const QString elsewhere = WorkPath(QStringLiteral("elsewhere"));
    const struct {
        const char* what;
        std::function<void()> plant;
        QString failedPath;
        QString reason;
    } cases[] = {
        {"a planted symbolic link for the folder", [&] { QFile::link(elsewhere, privateFolder()); },
         privateFolder(), "Это символьная ссылка, а не папка: она могла быть подложена."},
        {"an existing folder of another user",
         [&] {
             QDir().mkdir(privateFolder());
             GiveToNobody(privateFolder());
         },
         privateFolder(), "Папка принадлежит другому пользователю."},
        {"a folder others may write",
         [&] {
             QDir().mkdir(privateFolder());
             chmod(QFile::encodeName(privateFolder()).constData(), 0777);
         },
         privateFolder(), "В папку могут писать другие пользователи."},
        {"a folder its group may write",
         [&] {
             QDir().mkdir(privateFolder());
             chmod(QFile::encodeName(privateFolder()).constData(), 0770);
         },
         privateFolder(), "В папку могут писать другие пользователи."},
        {"a file in the folder's place", [&] { WriteBytes(privateFolder(), "x"); }, privateFolder(),
         "Это не папка."},
        {"a planted symbolic link for the playlist",
         [&] {
             QDir().mkdir(privateFolder());
             chmod(QFile::encodeName(privateFolder()).constData(), 0700);
             QFile::link(elsewhere + QStringLiteral("/victim"),
                         privateFolder() + QStringLiteral("/m3upl.m3u"));
         },
         privateFolder() + QStringLiteral("/m3upl.m3u"),
         "На месте файла — символьная ссылка; через неё список не пишется."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(elsewhere).removeRecursively();
        QDir().mkpath(elsewhere);
        WriteBytes(elsewhere + QStringLiteral("/victim"), "mine");
        c.plant();
        const TemporaryPlaylistResult result =
            WriteTemporaryPlaylist(app, PlaylistType::M3U, u"playlist");
        EXPECT_EQ(result.path, c.failedPath);
        EXPECT_EQ(result.failure, c.reason);
        EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files), QStringList{"victim"});
        EXPECT_EQ(ReadBytes(elsewhere + QStringLiteral("/victim")), "mine");
        QFile::remove(privateFolder());  // a link or a file
        QDir(privateFolder()).removeRecursively();
    }
}
