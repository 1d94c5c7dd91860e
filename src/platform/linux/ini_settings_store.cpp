// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/ini_settings_store.h"

#include "app/logging.h"
#include "platform/platform.h"

namespace vorlix {

IniSettingsStore::IniSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection)
{
    logFileName();
}

IniSettingsStore::IniSettingsStore(const QString& fileName) : settings_(fileName, QSettings::IniFormat)
{
    logFileName();
}

void IniSettingsStore::logFileName() const
{
    // Qt finds the file through $XDG_CONFIG_HOME once a run; which one it took is the first question asked.
    qCDebug(settingsLog).noquote() << "settings file:" << settings_.fileName();
}

std::string IniSettingsStore::get(const std::string& key) const
{
    return settings_.value(QString::fromStdString(key)).toString().toStdString();
}

bool IniSettingsStore::set(const std::string& key, const std::string& value)
{
    settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings_.sync();
    if (settings_.status() == QSettings::NoError) return true;
    qCDebug(settingsLog).noquote() << "cannot write" << QString::fromStdString(key) << "to" << settings_.fileName()
                                   << (settings_.status() == QSettings::AccessError ? "(no access)" : "(format error)");
    return false;
}

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<IniSettingsStore>();
}

}  // namespace vorlix
