// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/platform.h"

namespace vorlix {

// The installer puts the program folder in the user's own %LOCALAPPDATA%: a user's own reg.ocx
// takes the bundled one's place there.
std::optional<std::string> userWordDatabaseFolder()
{
    return std::nullopt;
}

}  // namespace vorlix
