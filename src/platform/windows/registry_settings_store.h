// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "app/settings_store.h"

namespace vorlix {

// The settings under HKEY_CURRENT_USER\Software\VB and VBA Program Settings\kestry\vorlix1.0 as
// REG_SZ values: where this kind of per-user application setting has always lived, so the
// settings of earlier installs carry over.
class RegistrySettingsStore : public SettingsStore {
public:
    std::string get(const std::string& key) const override;
    bool set(const std::string& key, const std::string& value) override;
};

}  // namespace vorlix
