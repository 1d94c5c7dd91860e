// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vorlix {

// An environment variable's value; none when it is unset or empty.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> environmentVariable(const char* name);

// A base folder of the user's, as freedesktop.org's base-directory rules give it: `variable` when
// it holds an absolute path, else `underHome` in the home folder ("XDG_CACHE_HOME", ".cache").
std::string xdgBaseFolder(const char* variable, const char* underHome);

// The Qt platform plugin the word window asks for in this session, or none where Qt's own choice
// stands. A native Wayland window can neither keep itself above other windows nor place itself,
// and the word window does both; so in a Wayland session that also offers X11 (XWayland sets
// DISPLAY) it runs on X11. In one that offers only Wayland it asks for Wayland, rather than leave
// it to a Qt built to try X11 first, which would not start at all. A platform the user chose with
// QT_QPA_PLATFORM is left alone.
std::optional<std::string> qtPlatformForSession(const EnvironmentLookup& variable);

}  // namespace vorlix
