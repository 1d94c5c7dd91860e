#include "platform/linux/ini_settings_store.h"

#include "platform/platform.h"

namespace vorlix {

IniSettingsStore::IniSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection)
{
}

IniSettingsStore::IniSettingsStore(const QString& fileName) : settings_(fileName, QSettings::IniFormat) {}

std::string IniSettingsStore::get(const std::string& key) const
{
    return settings_.value(QString::fromStdString(key)).toString().toStdString();
}

bool IniSettingsStore::set(const std::string& key, const std::string& value)
{
    settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<IniSettingsStore>();
}

}  // namespace vorlix
