#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/settings_keys.h"
#include "platform/settings_store.h"
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

// A file edited by hand is read as far as it makes sense; whatever isn't one text value under the
// key gives the default.
TEST(SettingsStore, ACorruptFileGivesDefaults) {
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"garbage around a broken section header",
         "\x01\x02[Settings\nPath_10=a, b\n\xff\xfe garbage ===\n"},
        // A well-formed file whose values read back as lists of two texts, not as one text.
        {"lists where texts belong", "[Settings]\nPath_10=a, b\nDrive_10=c, d\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir().mkpath(TestSettingsFolder() + "/Lyrantel");
        QFile file(SettingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(ReadAppSetting(Setting::Folder), KeyOf(Setting::Folder).defaultValue);
        EXPECT_EQ(ReadAppSetting(Setting::Drive), KeyOf(Setting::Drive).defaultValue);
        EXPECT_EQ(ReadAppSetting(Setting::Folder), kDefaultFolder);
        EXPECT_EQ(ReadAppSetting(Setting::Drive), kDefaultDrive);
    }
}
