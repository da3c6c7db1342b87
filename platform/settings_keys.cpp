// SPDX-License-Identifier: MIT
#include "platform/settings_keys.h"

#include "platform/settings_store.h"

namespace {

#ifdef Q_OS_WIN
const QString kDefaultFolder = QStringLiteral("C:\\");
const QString kDefaultDrive = QStringLiteral("C:");
#else
// Without drive letters the file system has one root to start from.
const QString kDefaultFolder = QStringLiteral("/");
const QString kDefaultDrive = QStringLiteral("/");
#endif

}  // namespace

const std::array<SettingKey, 5>& SettingKeys() {
    static const std::array<SettingKey, 5> keys{{
        {Setting::MediaPlayerCommand, QStringLiteral("P1_10"), QString()},
        {Setting::WinAmpCommand, QStringLiteral("P2_10"), QString()},
        {Setting::OtherPlayerCommand, QStringLiteral("P3_10"), QString()},
        {Setting::Folder, QStringLiteral("Path_10"), kDefaultFolder},
        {Setting::Drive, QStringLiteral("Drive_10"), kDefaultDrive},
    }};
    return keys;
}

const SettingKey& KeyOf(Setting setting) {
    return SettingKeys()[static_cast<size_t>(setting)];
}

QString ReadAppSetting(Setting setting) {
    const SettingKey& key = KeyOf(setting);
    return ReadSetting(kApplicationTitle, kSettingsSection, key.key, key.defaultValue);
}

std::optional<QString> WriteAppSetting(Setting setting, const QString& value) {
    return WriteSetting(kApplicationTitle, kSettingsSection, KeyOf(setting).key, value);
}

SettingValues ReadAppSettings() {
    SettingValues values;
    for (const SettingKey& key : SettingKeys())
        values[static_cast<size_t>(key.setting)] = ReadAppSetting(key.setting);
    return values;
}

std::optional<QString> WriteChangedAppSettings(const SettingValues& read,
                                               const SettingValues& current) {
    std::optional<QString> firstFailure;
    for (const SettingKey& key : SettingKeys()) {
        const auto index = static_cast<size_t>(key.setting);
        if (current[index] == read[index]) continue;
        std::optional<QString> failure = WriteAppSetting(key.setting, current[index]);
        if (!firstFailure) firstFailure = std::move(failure);
    }
    return firstFailure;
}

QString SettingsNotStoredMessage(const QString& location, const QString& reason) {
    return QStringLiteral("Не удалось сохранить настройки в файл\n%1\n\n%2").arg(location, reason);
}
