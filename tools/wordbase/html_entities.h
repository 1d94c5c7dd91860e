// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace vorlix::wordbase {

// The character HTML's named entity `name` ("eacute", without '&' and ';') stands for.
std::optional<char32_t> namedEntity(std::string_view name);

}  // namespace vorlix::wordbase
