// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vorlix {

// Where the running program lives: its folder (with no separator added), the executable's file
// name as it is on the disk, and the separator of the platform's paths.
struct ProgramLocation {
    std::string folder;
    std::string executableFileName;
    char separator = '/';
};

}  // namespace vorlix
