// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

// The per-user store of text values addressed by application, section and key. On Linux it is
// the file $XDG_CONFIG_HOME/<app>/<app>.conf in QSettings' INI form, read and written here line
// by line (see ini_value.h), on Windows the registry under the current user.
QString ReadSetting(const QString& app, const QString& section, const QString& key,
                    const QString& defaultValue);

// Stores the value under the key, leaving every other key as it is in the store now (another copy
// of the program may have written some since this one started). Returns why it could not.
std::optional<QString> WriteSetting(const QString& app, const QString& section, const QString& key,
                                    const QString& value);

// The file (or registry key) that holds the application's values, for messages.
QString SettingsLocation(const QString& app);
