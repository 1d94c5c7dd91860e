// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

#include <sys/types.h>

namespace vorlix {

// An environment variable's value; none when it is unset or empty.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> environmentVariable(const char* name);

// A base folder of the user's, as freedesktop.org's base-directory rules give it: `variable` when
// it holds an absolute path, else `underHome` in the home folder ("XDG_CACHE_HOME", ".cache").
std::string xdgBaseFolder(const char* variable, const char* underHome);

// An open handle on the folder at `path` when it is a folder, not a link to one, that `user` owns
// and nobody else may enter or change; -1 otherwise. What is done through the handle stays in that
// folder, whatever becomes of its path meanwhile.
int openPrivateFolder(const std::string& path, uid_t user);

// As openPrivateFolder, for a folder of the program's own: made where it is missing, and closed
// to others where it is the user's but open to them, as another tool may have left it.
int openOwnFolder(const std::string& path, uid_t user);

// The user's runtime folder, open, or -1 where there is none of the user's alone: $XDG_RUNTIME_DIR;
// else, where that is unset or not private (a terminal that lost it, ssh, cron), the one the
// system makes for each logged-in user in `systemFolders` ("/run/user/UID"), so that every start
// of one user's finds the same folder however it was started.
int openRuntimeFolder(const EnvironmentLookup& variable, uid_t user, const std::string& systemFolders);

}  // namespace vorlix
