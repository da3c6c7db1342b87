#include "platform/settings_store.h"

#include <QSettings>

namespace {

QSettings OpenStore(const QString& app) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, app, app);
}

QString GroupKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

}  // namespace

QString ReadSetting(const QString& app, const QString& section, const QString& key,
                    const QString& defaultValue) {
    const QSettings store = OpenStore(app);
    const QVariant value = store.value(GroupKey(section, key));
    // A hand-edited file can hold a list or other non-text value; treat it as nothing stored.
    if (!value.isValid() || value.typeId() != QMetaType::QString) return defaultValue;
    return value.toString();
}

void WriteSetting(const QString& app, const QString& section, const QString& key,
                  const QString& value) {
    QSettings store = OpenStore(app);
    store.setValue(GroupKey(section, key), value);
    // Written through now: the program ends right after its last write.
    store.sync();
}
