// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows/registry_settings_store.h"

#include <QString>

#include "platform/platform.h"
#include "platform/windows/wide_text.h"

namespace vorlix {

namespace {

std::wstring sectionKey()
{
    return QStringLiteral("Software\\VB and VBA Program Settings\\%1\\%2")
        .arg(kSettingsApplication, kSettingsSection)
        .toStdWString();
}

}  // namespace

std::string RegistrySettingsStore::get(const std::string& key) const
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, sectionKey().c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return "";
    const std::wstring name = wideFrom(key);
    DWORD type = 0;
    DWORD bytes = 0;
    std::string result;
    if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) ==
            ERROR_SUCCESS) {
            buffer.resize(wcsnlen(buffer.c_str(), bytes / sizeof(wchar_t)));
            result = utf8From(buffer);
        }
    }
    RegCloseKey(handle);
    return result;
}

bool RegistrySettingsStore::set(const std::string& key, const std::string& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, sectionKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring data = wideFrom(value);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const bool ok = RegSetValueExW(handle, wideFrom(key).c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
    // Flushing makes the value survive a crash right after the save.
    RegFlushKey(handle);
    RegCloseKey(handle);
    return ok;
}

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<RegistrySettingsStore>();
}

}  // namespace vorlix
