#pragma once

#include <QString>

// The per-user store of text values addressed by application, section and key. On Linux it is
// $XDG_CONFIG_HOME/<app>/<app>.conf, on Windows the registry under the current user. Values come
// back exactly as written.
QString ReadSetting(const QString& app, const QString& section, const QString& key,
                    const QString& defaultValue);
void WriteSetting(const QString& app, const QString& section, const QString& key,
                  const QString& value);
