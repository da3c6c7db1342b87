// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "platform/ini_value.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "playlist/file_name_codec.h"
#include "tests/support/isolation.h"

namespace {

// Without drive letters the browser starts at the one root of the file system.
#ifdef Q_OS_WIN
const QString kDefaultFolder = QStringLiteral("C:\\");
const QString kDefaultDrive = QStringLiteral("C:");
#else
const QString kDefaultFolder = QStringLiteral("/");
const QString kDefaultDrive = QStringLiteral("/");
#endif

QString SettingsFilePath() {
    return TestSettingsFolder() + "/Lyrantel/Lyrantel.conf";
}

}  // namespace

TEST(SettingsStore, GivesTheDefaultWhenNothingIsStored) {
    EXPECT_EQ(ReadSetting("Lyrantel", "Settings", "P1_10", "fallback"), "fallback");
    for (const SettingKey& key : SettingKeys()) {
        SCOPED_TRACE(key.key.toStdString());
        EXPECT_EQ(ReadAppSetting(key.setting), key.defaultValue);
    }
    // The table's own defaults, stated once more as the values a first run starts with.
    EXPECT_EQ(ReadAppSetting(Setting::MediaPlayerCommand), "");
    EXPECT_EQ(ReadAppSetting(Setting::WinAmpCommand), "");
    EXPECT_EQ(ReadAppSetting(Setting::OtherPlayerCommand), "");
    EXPECT_EQ(ReadAppSetting(Setting::Folder), kDefaultFolder);
    EXPECT_EQ(ReadAppSetting(Setting::Drive), kDefaultDrive);
}

TEST(SettingsStore, ValuesComeBackVerbatim) {
    const QString values[] = {
        QStringLiteral("\"C:\\Program Files\\Winamp\\Winamp.exe\""),
        QStringLiteral("a, b; c = d # e"),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("Путь к проигрывателю"),
        QStringLiteral("@Variant(x)"),
        QStringLiteral("line\nbreak\ttab"),
        QString(5000, u'я'),
        QString(),
        // A folder whose name isn't UTF-8 must come back as the same bytes to be found again.
        DecodeFileName("/music/caf\xe9"
                       "dir"),
    };
    for (const QString& value : values) {
        SCOPED_TRACE(value.left(40).toStdString());
        WriteSetting("Lyrantel", "Settings", "P3_10", value);
        EXPECT_EQ(ReadSetting("Lyrantel", "Settings", "P3_10", "default"), value)
            << value.toStdString();
    }
}

TEST(SettingsStore, LivesInTheUsersConfigFolderUnderTheSection) {
    WriteAppSetting(Setting::Folder, "/music");
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Settings]"));
    EXPECT_TRUE(text.contains("Path_10=/music"));
}

// The key names are what an earlier run left in the file: a swapped or renamed key would hand
// the WinAmp command to Media Player, or lose the stored folder.
TEST(SettingsStore, EachValueIsStoredUnderItsOwnKeyName) {
    const struct {
        Setting setting;
        const char* line;  // in the file, with the value written below
    } cases[] = {
        {Setting::MediaPlayerCommand, "P1_10=media player"},
        {Setting::WinAmpCommand, "P2_10=winamp"},
        {Setting::OtherPlayerCommand, "P3_10=other player"},
        {Setting::Folder, "Path_10=/music"},
        {Setting::Drive, "Drive_10=/media/stick"},
    };
    for (const auto& c : cases)
        WriteAppSetting(c.setting, QString::fromUtf8(c.line).section(u'=', 1));
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_TRUE(lines.contains(QByteArray(c.line)));
    }
}

// A file edited by hand is read as far as it makes sense: a value is the text after "=", even
// where QSettings would read a list; a key that isn't there gives the default.
TEST(SettingsStore, AHandEditedFileIsReadAsWritten) {
    const struct {
        const char* what;
        QByteArray bytes;
        QString folder;
        QString drive;
    } cases[] = {
        {"garbage around a broken section header",
         "\x01\x02[Settings\nPath_10=a, b\n\xff\xfe garbage ===\n", "a, b", "/"},
        {"commas where QSettings reads lists", "[Settings]\nPath_10=a, b\nDrive_10=c, d\n", "a, b",
         "c, d"},
        {"nothing under the keys", "[Other]\nPath_10=x\n", "/", "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir().mkpath(TestSettingsFolder() + "/Lyrantel");
        QFile file(SettingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(ReadAppSetting(Setting::Folder), c.folder);
        EXPECT_EQ(ReadAppSetting(Setting::Drive), c.drive);
    }
}

namespace {

QString SettingsFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Lyrantel", "Lyrantel")
        .fileName();
}

void WriteSettingsFile(const QByteArray& text) {
    QDir().mkpath(QFileInfo(SettingsFile()).absolutePath());
    WriteBytes(SettingsFile(), text);
}

const QString kAwkwardValues[] = {
    "a, b",
    "\"/usr/bin/mpv\"",
    "\"a, b\"",
    "@Variant(x)",
    "@@",
    "C:\\Program Files\\x\\",
    "  blanks around  ",
    "ends in a blank ",
    " starts with one",
    "Путь к проигрывателю; ё",
    "key=value",
    "tab\there\nline\001a\177",  // octal: a hex escape would swallow the "a"
    "#not a comment",
    "",
};

}  // namespace

// QSettings stands for any other program reading or writing the file: the two agree both ways.
TEST(SettingsStore, WritesWhatQSettingsReadsAndReadsWhatItWrites) {
    int round = 0;
    for (const QString& value : kAwkwardValues) {
        SCOPED_TRACE(value.toStdString());
        // A file of its own each time: QSettings keeps files it has read and could miss a change
        // of a file within its clock's resolution.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           TestSettingsFolder() + QString::number(++round));
        ASSERT_EQ(WriteSetting("Lyrantel", "Settings", "P1_10", value), std::nullopt);
        QSettings reader(SettingsFile(), QSettings::IniFormat);
        EXPECT_EQ(reader.value("Settings/P1_10"), QVariant(value));
        QFile::remove(SettingsFile());
        {
            QSettings writer(SettingsFile(), QSettings::IniFormat);
            writer.setValue("Settings/P2_10", value);
        }
        EXPECT_EQ(ReadSetting("Lyrantel", "Settings", "P2_10", "default"), value);
        const QByteArray line = "P2_10=" + IniEscapedValue(value).toUtf8() + "\n";
        EXPECT_TRUE(ReadBytes(SettingsFile()).contains(line)) << ReadBytes(SettingsFile()).data();
        QFile::remove(SettingsFile());
    }
}

// A value typed by hand is the text after "=", whatever QSettings would make of it.
TEST(SettingsStore, HandWrittenValuesAreTheTextAfterTheEqualsSign) {
    const struct {
        QByteArray line;
        QString value;
    } cases[] = {
        {"P1_10=/usr/bin/mpv --fs,--loop", "/usr/bin/mpv --fs,--loop"},
        {"P1_10=\"/usr/bin/mpv\"", "\"/usr/bin/mpv\""},
        {"P1_10 = \"C:\\Program Files\\mpv.exe\" --fs ", "\"C:\\Program Files\\mpv.exe\" --fs"},
        {"P1_10=@player", "@player"},
        {"P1_10=@Variant(\\0\\0\\0\\x2)", "@Variant(\\0\\0\\0\\x2)"},
        {"P1_10=\"a, b\"", "a, b"},  // as QSettings writes a, b
        {"P1_10=@@player", "@player"},
        {"P1_10=mpv\r", "mpv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        WriteSettingsFile("[General]\nP1_10=elsewhere\n\n[Settings]\n" + c.line + "\n");
        EXPECT_EQ(ReadAppSetting(Setting::MediaPlayerCommand), c.value);
    }
}

TEST(SettingsStore, WritingAKeyLeavesEveryOtherLineAsItWas) {
    const QByteArray before =
        "; typed by hand\n[Settings]\nP1_10=/usr/bin/mpv --fs,--loop\r\nP2_10=\"/usr/bin/mpv\"\n"
        "Unknown=x, y\nnote=Caf\xe9\n\n[Other]\nP3_10=z\n";
    WriteSettingsFile(before);
    ASSERT_EQ(WriteAppSetting(Setting::OtherPlayerCommand, "vlc, --x"), std::nullopt);
    ASSERT_EQ(WriteAppSetting(Setting::WinAmpCommand, "winamp"), std::nullopt);
    EXPECT_EQ(ReadBytes(SettingsFile()),
              "; typed by hand\n[Settings]\nP1_10=/usr/bin/mpv --fs,--loop\r\nP2_10=winamp\n"
              "Unknown=x, y\nnote=Caf\xe9\nP3_10=\"vlc, --x\"\n\n[Other]\nP3_10=z\n");
    QFile::remove(SettingsFile());
    ASSERT_EQ(WriteAppSetting(Setting::Drive, "/"), std::nullopt);
    EXPECT_EQ(ReadBytes(SettingsFile()), "[Settings]\nDrive_10=/\n");
}

// A write that can't be made is reported, never taken for success.
TEST(SettingsStore, AFailedWriteIsReported) {
    // A file where the settings folder should be: no user, root included, can write below it.
    WriteBytes(TestSettingsFolder() + "/Lyrantel", "not a folder");
    EXPECT_NE(WriteAppSetting(Setting::WinAmpCommand, "winamp"), std::nullopt);
    SettingValues changed = ReadAppSettings();
    changed[static_cast<size_t>(Setting::OtherPlayerCommand)] = "vlc";
    EXPECT_NE(WriteChangedAppSettings(ReadAppSettings(), changed), std::nullopt);
    EXPECT_EQ(ReadBytes(TestSettingsFolder() + "/Lyrantel"), "not a folder");
}

TEST(SettingsStore, OnlyChangedValuesAreWritten) {
    WriteSettingsFile("[Settings]\nP1_10=/usr/bin/mpv --fs,--loop\nP3_10=from another copy\n");
    SettingValues read = ReadAppSettings();
    SettingValues current = read;
    current[static_cast<size_t>(Setting::WinAmpCommand)] = "winamp";
    read[static_cast<size_t>(Setting::OtherPlayerCommand)] = "what this copy read";
    current[static_cast<size_t>(Setting::OtherPlayerCommand)] = "what this copy read";
    ASSERT_EQ(WriteChangedAppSettings(read, current), std::nullopt);
    EXPECT_EQ(ReadBytes(SettingsFile()),
              "[Settings]\nP1_10=/usr/bin/mpv --fs,--loop\nP3_10=from another copy\n"
              "P2_10=winamp\n");
}
