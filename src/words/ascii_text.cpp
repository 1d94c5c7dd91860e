// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/ascii_text.h"

namespace vorlix {

std::string asciiLower(std::string_view text)
{
    std::string lower(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) lower[i] = asciiLower(text[i]);
    return lower;
}

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace vorlix
