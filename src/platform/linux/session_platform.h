// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "platform/linux/user_folders.h"

namespace vorlix {

// The Qt platform plugin the word window asks for in this session, or none where Qt's own choice
// stands. A native Wayland window can neither keep itself above other windows nor place itself,
// and the word window does both; so in a Wayland session that also offers X11 (XWayland sets
// DISPLAY) it runs on X11. In one that offers only Wayland it asks for Wayland, rather than leave
// it to a Qt built to try X11 first, which would not start at all. A platform the user chose with
// QT_QPA_PLATFORM is left alone.
std::optional<std::string> qtPlatformForSession(const EnvironmentLookup& variable);

}  // namespace vorlix
