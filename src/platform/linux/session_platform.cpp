// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/session_platform.h"

#include "platform/platform.h"

namespace vorlix {

std::optional<std::string> qtPlatformForSession(const EnvironmentLookup& variable)
{
    if (variable("QT_QPA_PLATFORM")) return std::nullopt;
    // Either alone marks a Wayland session: some log-in managers set no session type, and a
    // compositor started by hand may leave WAYLAND_DISPLAY to its default socket.
    const bool wayland = variable("WAYLAND_DISPLAY") || variable("XDG_SESSION_TYPE") == "wayland";
    if (!wayland) return std::nullopt;
    return variable("DISPLAY") ? "xcb" : "wayland";
}

std::optional<std::string> qtPlatformForThisSession()
{
    return qtPlatformForSession(environmentVariable);
}

}  // namespace vorlix
