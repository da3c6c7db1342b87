#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "platform/ini_value.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "tests/support/isolation.h"

TEST(SettingsStore, GivesTheDefaultWhenNothingIsStored) {
    EXPECT_EQ(ReadSetting("Lyrantel", "Settings", "P1_10", "fallback"), "fallback");
    for (const SettingKey& key : SettingKeys())
        EXPECT_EQ(ReadAppSetting(key.setting), key.defaultValue);
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
        WriteSetting("Lyrantel", "Settings", "P3_10", value);
        EXPECT_EQ(ReadSetting("Lyrantel", "Settings", "P3_10", "default"), value)
            << value.toStdString();
    }
}

TEST(SettingsStore, LivesInTheUsersConfigFolderUnderTheSection) {
    WriteAppSetting(Setting::Folder, "/music");
    QFile file(TestSettingsFolder() + "/Lyrantel/Lyrantel.conf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Settings]"));
    EXPECT_TRUE(text.contains("Path_10=/music"));
}

TEST(SettingsStore, ACorruptFileGivesDefaults) {
    QDir().mkpath(TestSettingsFolder() + "/Lyrantel");
    QFile file(TestSettingsFolder() + "/Lyrantel/Lyrantel.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x01\x02[Settings\nPath_10=a, b\n\xff\xfe garbage ===\n");
    file.close();
    // A value is the text after "=", even where QSettings would read a list.
    EXPECT_EQ(ReadAppSetting(Setting::Folder), "a, b");
    EXPECT_EQ(ReadAppSetting(Setting::Drive), KeyOf(Setting::Drive).defaultValue);
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
    "Путь к проигрывателю; ё",
    "key=value",
    "tab\there\nline\x01"
    "a\x7f",
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
        "Unknown=x, y\n\n[Other]\nP3_10=z\n";
    WriteSettingsFile(before);
    ASSERT_EQ(WriteAppSetting(Setting::OtherPlayerCommand, "vlc, --x"), std::nullopt);
    ASSERT_EQ(WriteAppSetting(Setting::WinAmpCommand, "winamp"), std::nullopt);
    EXPECT_EQ(ReadBytes(SettingsFile()),
              "; typed by hand\n[Settings]\nP1_10=/usr/bin/mpv --fs,--loop\r\nP2_10=winamp\n"
              "Unknown=x, y\nP3_10=\"vlc, --x\"\n\n[Other]\nP3_10=z\n");
    QFile::remove(SettingsFile());
    ASSERT_EQ(WriteAppSetting(Setting::Drive, "/"), std::nullopt);
    EXPECT_EQ(ReadBytes(SettingsFile()), "[Settings]\nDrive_10=/\n");
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
