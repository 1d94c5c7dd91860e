// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/session_platform.h"
#include "platform/user_word_database.h"

namespace vorlix {

// The installed program folder belongs to the system, so a user's own words live among the
// user's data, where freedesktop.org's base-directory rules put it.
std::optional<std::string> userWordDatabaseFolder()
{
    return xdgBaseFolder("XDG_DATA_HOME", ".local/share") + "/vorlix";
}

}  // namespace vorlix
