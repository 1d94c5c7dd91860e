// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace vorlix {

// The program's arguments in UTF-8, as main() received them: on Windows main() gets them in the
// system's code page, which loses every character outside it, so they are taken from the system.
std::vector<std::string> commandLineArguments(int argc, char* argv[]);

}  // namespace vorlix
