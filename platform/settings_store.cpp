#include "platform/settings_store.h"

#include <QSettings>

namespace {

QSettings openStore(const QString& app) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, app, app);
}

QString groupKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

}  // namespace

QString ReadSetting(const QString& app, const QString& section, const QString& key,
                    const QString& defaultValue) {
    const QSettings store = openStore(app);
    const QVariant value = store.value(groupKey(section, key));
    // A hand-edited file can hold a list or other non-text value; treat it as nothing stored.
    if (!value.isValid() || value.typeId() != QMetaType::QString) return defaultValue;
    return value.toString();
}

void WriteSetting(const QString& app, const QString& section, const QString& key,
                  const QString& value) {
    QSettings store = openStore(app);
    store.setValue(groupKey(section, key), value);
    // Written through now: the program ends right after its last write.
    store.sync();
}
