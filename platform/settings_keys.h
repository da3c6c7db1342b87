// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <optional>

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
// Returns why the value could not be stored.
std::optional<QString> WriteAppSetting(Setting setting, const QString& value);

// All five, in the order of Setting.
using SettingValues = std::array<QString, 5>;
SettingValues ReadAppSettings();
// Stores only the values that differ from the ones read at the start of this run: another copy
// that ended meanwhile keeps what it changed, and a value the user left alone stays as it is in
// the file, even when it was typed there in a form this program doesn't write. Goes on past a
// failure and returns the first reason.
std::optional<QString> WriteChangedAppSettings(const SettingValues& read,
                                               const SettingValues& current);

// Said before the program ends when its settings could not be stored: where, and why.
QString SettingsNotStoredMessage(const QString& location, const QString& reason);
