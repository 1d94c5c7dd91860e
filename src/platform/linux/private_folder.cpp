// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/private_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlix {

int openPrivateFolder(const std::string& path, uid_t user)
{
    const int folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status;
    if (folder >= 0 && fstat(folder, &status) == 0 && status.st_uid == user && (status.st_mode & 077) == 0)
        return folder;
    if (folder >= 0) close(folder);
    return -1;
}

}  // namespace vorlix
