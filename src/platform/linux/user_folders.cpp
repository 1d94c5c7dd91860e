// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/user_folders.h"

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

namespace {

// The folder at `path`, open, when it is one that `user` owns and not a link; -1 otherwise.
int openUsersFolder(const std::string& path, uid_t user, struct stat& status)
{
    const int folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder >= 0 && fstat(folder, &status) == 0 && status.st_uid == user) return folder;
    if (folder >= 0) close(folder);
    return -1;
}

}  // namespace

int openPrivateFolder(const std::string& path, uid_t user)
{
    struct stat status;
    const int folder = openUsersFolder(path, user, status);
    if (folder >= 0 && (status.st_mode & 077) == 0) return folder;
    if (folder >= 0) close(folder);
    return -1;
}

int openOwnFolder(const std::string& path, uid_t user)
{
    mkdir(path.c_str(), 0700);
    struct stat status;
    const int folder = openUsersFolder(path, user, status);
    if (folder >= 0 && ((status.st_mode & 077) == 0 || fchmod(folder, 0700) == 0)) return folder;
    if (folder >= 0) close(folder);
    return -1;
}

int openRuntimeFolder(const EnvironmentLookup& variable, uid_t user, const std::string& systemFolders)
{
    if (const auto runtime = variable("XDG_RUNTIME_DIR")) {
        const int folder = openPrivateFolder(*runtime, user);
        if (folder >= 0) return folder;
    }
    return openPrivateFolder(systemFolders + "/" + std::to_string(user), user);
}

}  // namespace vorlix
