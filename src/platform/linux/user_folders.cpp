// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/session_platform.h"

#include <cstdlib>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlix {

std::optional<std::string> environmentVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return value;
}

std::string xdgBaseFolder(const char* variable, const char* underHome)
{
    // The rules treat a relative path as unset.
    if (const auto folder = environmentVariable(variable); folder && folder->front() == '/') return *folder;
    const passwd* user = getpwuid(geteuid());
    const std::string home = environmentVariable("HOME").value_or(user ? user->pw_dir : "");
    return home + "/" + underHome;
}

int openPrivateFolder(const std::string& path, uid_t user)
{
    const int folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status;
    if (folder >= 0 && fstat(folder, &status) == 0 && status.st_uid == user && (status.st_mode & 077) == 0)
        return folder;
    if (folder >= 0) close(folder);
    return -1;
}

std::optional<std::string> qtPlatformForSession(const EnvironmentLookup& variable)
{
    if (variable("QT_QPA_PLATFORM")) return std::nullopt;
    // Either alone marks a Wayland session: some log-in managers set no session type, and a
    // compositor started by hand may leave WAYLAND_DISPLAY to its default socket.
    const bool wayland = variable("WAYLAND_DISPLAY") || variable("XDG_SESSION_TYPE") == "wayland";
    if (!wayland) return std::nullopt;
    return variable("DISPLAY") ? "xcb" : "wayland";
}

}  // namespace vorlix
