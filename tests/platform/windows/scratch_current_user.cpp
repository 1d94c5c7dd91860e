// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows/scratch_current_user.h"

#include <cwchar>

namespace vorlix::test {

namespace {

HKEY realCurrentUser()
{
    // HKEY_USERS\<the user> is HKEY_CURRENT_USER without the redirection a test puts on it.
    HKEY user = nullptr;
    RegOpenCurrentUser(KEY_ALL_ACCESS, &user);
    return user;
}

}  // namespace

ScratchCurrentUser::ScratchCurrentUser(bool refusingWrites)
    : path_(L"Software\\Vorlix tests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()))
{
    HKEY user = realCurrentUser();
    const DWORD options = refusingWrites ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE;
    if (RegCreateKeyExW(user, path_.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS)
        key_ = nullptr;
    RegCloseKey(user);
    if (key_ && RegOverridePredefKey(HKEY_CURRENT_USER, key_) != ERROR_SUCCESS) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}

ScratchCurrentUser::~ScratchCurrentUser()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (key_) RegCloseKey(key_);
    HKEY user = realCurrentUser();
    RegDeleteTreeW(user, path_.c_str());
    RegCloseKey(user);
}

ScratchCurrentUser::Value ScratchCurrentUser::value(const std::wstring& subkey, const std::wstring& name) const
{
    Value result;
    wchar_t data[1024] = {};
    DWORD bytes = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(key_, subkey.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &result.type, data, &bytes) !=
        ERROR_SUCCESS)
        return {};
    result.text.assign(data, wcsnlen(data, bytes / sizeof(wchar_t)));
    return result;
}

bool ScratchCurrentUser::setValue(const std::wstring& subkey, const std::wstring& name, const std::wstring& text)
{
    return RegSetKeyValueW(key_, subkey.c_str(), name.c_str(), REG_SZ, text.c_str(),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace vorlix::test
