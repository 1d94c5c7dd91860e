// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace vorlix {

// The folder (UTF-8, the system's separators, no separator at the end) where the user keeps a word
// database of their own, read instead of the one beside the program and written by the builder
// when it is given no other place: among the user's own data, which installing, upgrading and
// removing the program leave alone. None where the system names no such folder.
std::optional<std::string> userWordDatabaseFolder();

}  // namespace vorlix
