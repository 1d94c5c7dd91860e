// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

#include "app/settings_store.h"

namespace vorlix {

// The settings as an INI file of the user's: $XDG_CONFIG_HOME/kestry/vorlix1.0.ini. Every write
// is synced at once (Qt writes the file anew and renames it into place), so a crash loses nothing
// already saved and never leaves half a file.
class IniSettingsStore : public SettingsStore {
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString& fileName);

    std::string get(const std::string& key) const override;
    bool set(const std::string& key, const std::string& value) override;

    QString fileName() const { return settings_.fileName(); }

private:
    void logFileName() const;

    mutable QSettings settings_;
};

}  // namespace vorlix
