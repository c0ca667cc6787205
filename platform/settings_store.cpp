#include "platform/settings_store.h"

#include <QSettings>

#include "platform/text.h"

namespace platform {

namespace {
QString KeyOf(const std::string& section, const std::string& key) {
  return FromUtf8(section) + QLatin1Char('/') + FromUtf8(key);
}
}  // namespace

std::string QtSettingsStore::Get(const std::string& section, const std::string& key,
                                 const std::string& fallback) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Harbenko"));
  const QVariant v = store.value(KeyOf(section, key));
  return v.isValid() ? ToUtf8(v.toString()) : fallback;
}

void QtSettingsStore::Set(const std::string& section, const std::string& key,
                          const std::string& value) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Harbenko"));
  store.setValue(KeyOf(section, key), FromUtf8(value));
  store.sync();
}

}  // namespace platform
