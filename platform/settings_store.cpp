// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <QSettings>

#ifndef Q_OS_WIN
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "platform/ini_value.h"
#include "playlist/file_name_codec.h"
#endif

namespace {

QSettings OpenStore(const QString& app) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, app, app);
}

}  // namespace

QString SettingsLocation(const QString& app) {
    return OpenStore(app).fileName();
}

#ifdef Q_OS_WIN

QString ReadSetting(const QString& app, const QString& section, const QString& key,
                    const QString& defaultValue) {
    const QVariant value = OpenStore(app).value(section + u'/' + key);
    // A value of another type, put there by hand, is not one of ours.
    if (!value.isValid() || value.typeId() != QMetaType::QString) return defaultValue;
    return value.toString();
}

std::optional<QString> WriteSetting(const QString& app, const QString& section, const QString& key,
                                    const QString& value) {
    QSettings store = OpenStore(app);
    store.setValue(section + u'/' + key, value);
    store.sync();  // the program ends right after its last write
    if (store.status() == QSettings::NoError) return std::nullopt;
    return QStringLiteral("Нет доступа к разделу реестра.");
}

#else

namespace {

// What the file holds now; a missing file holds nothing. Its bytes are taken as file names are:
// a line that isn't UTF-8 (typed in another encoding, or a folder name that isn't UTF-8) turns
// back into the very same bytes when the file is written, so no line loses a byte.
std::optional<QString> ReadFileText(const QString& path, QString* reason) {
    QFile file(path);
    if (!file.exists()) return QString();
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return std::nullopt;
    }
    return DecodeFileName(file.readAll());
}

}  // namespace

QString ReadSetting(const QString& app, const QString& section, const QString& key,
                    const QString& defaultValue) {
    QString unused;
    const std::optional<QString> fileText = ReadFileText(SettingsLocation(app), &unused);
    const std::optional<QString> text =
        fileText ? FindIniText(*fileText, section, key) : std::nullopt;
    return text ? IniValueFromText(*text) : defaultValue;
}

std::optional<QString> WriteSetting(const QString& app, const QString& section, const QString& key,
                                    const QString& value) {
    const QString path = SettingsLocation(app);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("Не удалось создать папку %1.").arg(QFileInfo(path).absolutePath());
    // The lock QSettings takes on the same file: two copies ending together write one after the
    // other. A lock that can't be had (an unwritable folder) shows below as the write's failure.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(5000);
    QString reason;
    const std::optional<QString> fileText = ReadFileText(path, &reason);
    if (!fileText) return reason;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    file.write(EncodeFileName(WithIniText(*fileText, section, key, IniEscapedValue(value))));
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

#endif
