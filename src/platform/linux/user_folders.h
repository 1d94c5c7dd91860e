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

// The Qt platform plugin the word window asks for in this session, or none where Qt's own choice
// stands. A native Wayland window can neither keep itself above other windows nor place itself,
// and the word window does both; so in a Wayland session that also offers X11 (XWayland sets
// DISPLAY) it runs on X11. In one that offers only Wayland it asks for Wayland, rather than leave
// it to a Qt built to try X11 first, which would not start at all. A platform the user chose with
// QT_QPA_PLATFORM is left alone.
std::optional<std::string> qtPlatformForSession(const EnvironmentLookup& variable);

}  // namespace vorlix
