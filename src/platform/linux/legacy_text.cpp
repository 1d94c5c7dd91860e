// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/legacy_text.h"

#include "words/jet/unicode.h"

namespace vorlix {

std::string legacyCharacterSetName()
{
    return "Windows-1252";
}

std::optional<std::string> utf8FromLegacyText(std::string_view bytes)
{
    return jet::utf8FromWindows1252(bytes);
}

}  // namespace vorlix
