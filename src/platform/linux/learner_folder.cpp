// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/learner_folder.h"
#include "platform/linux/user_folders.h"

namespace vorlix {

// The installed program folder belongs to the system, so what is the learner's lives among the
// user's data, where freedesktop.org's base-directory rules put it.
std::optional<std::string> learnerFolder()
{
    return xdgBaseFolder("XDG_DATA_HOME", ".local/share") + "/vorlix";
}

}  // namespace vorlix
