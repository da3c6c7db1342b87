#pragma once

#include <QString>
#include <array>

#include "platform/app_info.h"
inline const QString kSettingsSection = QStringLiteral("Settings");

// The five values that survive between runs: read once at load, written once at unload.
enum class Setting { MediaPlayerCommand, WinAmpCommand, OtherPlayerCommand, Folder, Drive };

struct SettingKey {
    Setting setting;
    QString key;
    QString defaultValue;
};

const std::array<SettingKey, 5>& SettingKeys();
const SettingKey& KeyOf(Setting setting);

QString ReadAppSetting(Setting setting);
void WriteAppSetting(Setting setting, const QString& value);
