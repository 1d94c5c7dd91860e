// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/legacy_text.h"

#include "platform/windows/wide_text.h"

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
    const std::wstring wide = wideFrom(bytes, CP_ACP, MB_ERR_INVALID_CHARS);
    if (wide.empty()) return std::nullopt;
    return utf8From(wide);
}

}  // namespace vorlix
