// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows/run_key_startup_entry.h"

#include <windows.h>

#include <QString>

#include "platform/platform.h"

namespace vorlix {

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The wide functions keep every character of the path; the ANSI ones would turn those outside
// the system code page into '?' and store a path that names no file.
std::wstring wide(const std::string& utf8)
{
    return QString::fromStdString(utf8).toStdWString();
}

}  // namespace

bool RunKeyStartupEntry::add(const std::string& executablePath)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const std::wstring data = wide(runValueData(executablePath));
    // REG_SZ data is counted in bytes and includes the terminating zero character.
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const bool ok = RegSetValueExW(handle, wide(kStartupEntryName).c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return ok;
}

bool RunKeyStartupEntry::remove()
{
    HKEY handle = nullptr;
    const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &handle);
    // Without a Run key there is no entry to remove.
    if (opened == ERROR_FILE_NOT_FOUND) return true;
    if (opened != ERROR_SUCCESS) return false;
    const LSTATUS deleted = RegDeleteValueW(handle, wide(kStartupEntryName).c_str());
    RegCloseKey(handle);
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

std::unique_ptr<StartupEntry> makeStartupEntry()
{
    return std::make_unique<RunKeyStartupEntry>();
}

}  // namespace vorlix
