// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Names the program and its word lists compare without regard to letter case (categories, column
// names, Anki's header keys, HTML tags) are ASCII: only A to Z have a lower case here, every
// other byte stands as it is, so UTF-8 text passes through unharmed.
constexpr char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string asciiLower(std::string_view text);

// `text` without the blanks and tabs around it.
std::string_view trimmed(std::string_view text);

// Whether `text` holds nothing but blanks and tabs.
inline bool isBlank(std::string_view text)
{
    return trimmed(text).empty();
}

}  // namespace vorlix
