// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include <sys/types.h>

namespace vorlix {

// An open handle on the folder at `path` when it is a folder, not a link to one, that `user` owns
// and nobody else may enter or change; -1 otherwise. What is then done through the handle stays
// in that folder, whatever becomes of its path meanwhile.
int openPrivateFolder(const std::string& path, uid_t user);

}  // namespace vorlix
