#include <gtest/gtest.h>

#include <QFile>

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
    EXPECT_EQ(ReadAppSetting(Setting::Folder), KeyOf(Setting::Folder).defaultValue);
    EXPECT_EQ(ReadAppSetting(Setting::Drive), KeyOf(Setting::Drive).defaultValue);
}
