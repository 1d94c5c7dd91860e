// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// The folder (UTF-8, the system's separators, no separator at the end) that holds what is the
// learner's own: their word database, read instead of the one beside the program and written by
// the builder when it is given no other place, and the words they have marked as known. It lies
// among the user's own data, which installing, upgrading and removing the program leave alone.
// None where the system names no such folder.
std::optional<std::string> learnerFolder();

// The path in `folder` under which a file is kept aside rather than overwritten: `stem` followed by
// `extension` where no file has that name, else the first free one of stem-2, stem-3 ...
// ("reg-previous.ocx", "reg-previous-2.ocx"), the series the installer keeps as well. Nothing in
// the learner's folder is ever overwritten by a file that was not made from it.
std::string keptAsideName(const std::string& folder, std::string_view stem, std::string_view extension);

}  // namespace vorlix
