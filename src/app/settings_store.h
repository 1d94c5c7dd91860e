// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vorlix {

// Where the settings live: "kestry" / "vorlix1.0" in the per-user store of the platform.
inline constexpr const char* kSettingsApplication = "kestry";
inline constexpr const char* kSettingsSection = "vorlix1.0";

// What the user is told when a save did not reach the store, by the word window or the dialog.
inline constexpr const char* kSettingsNotSavedMessage = "Settings not saved: the settings store cannot be written";

// The per-user settings store: text values by key, in the program's one application/section.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A key that does not exist reads as "".
    virtual std::string get(const std::string& key) const = 0;
    // Creates or replaces the value and makes it durable; false when it could not be stored.
    virtual bool set(const std::string& key, const std::string& value) = 0;
};

}  // namespace vorlix
