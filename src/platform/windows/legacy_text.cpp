// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/legacy_text.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace vorlix {

std::string legacyCharacterSetName()
{
    const UINT codePage = GetACP();
    // The Windows code pages of the alphabetic scripts go by that name; the others by their number.
    const bool windowsNamed = codePage == 874 || (codePage >= 1250 && codePage <= 1258);
    return (windowsNamed ? "Windows-" : "code page ") + std::to_string(codePage);
}

std::optional<std::string> utf8FromLegacyText(std::string_view bytes)
{
    if (bytes.empty()) return std::string();
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (units == 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(), units);
    std::string utf8(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

}  // namespace vorlix
