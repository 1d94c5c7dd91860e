// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vorlix::wordbase {

// `text` without the blanks and tabs around it.
std::string_view trimmed(std::string_view text);

// ASCII letters in lower case, every other byte as it stands.
std::string asciiLower(std::string_view text);

}  // namespace vorlix::wordbase
