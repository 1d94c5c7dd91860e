// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// Text that is not Unicode, as a spreadsheet saves its plain CSV: in the system's ANSI code page
// on Windows (Windows-1252 across Western Europe and the Americas), and taken for Windows-1252
// elsewhere, where such a list most likely comes from a Windows machine.

// The name of that character set, for a person to read: "Windows-1252", "code page 932".
std::string legacyCharacterSetName();

// `bytes` read in that character set, as UTF-8; none where they are no text in it.
std::optional<std::string> utf8FromLegacyText(std::string_view bytes);

}  // namespace vorlix
