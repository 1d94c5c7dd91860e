// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace vorlix {

// The program's arguments in UTF-8, as main() received them: on Windows main() gets them in the
// system's code page, which loses every character outside it, so they are taken from the system.
std::vector<std::string> commandLineArguments(int argc, char* argv[]);

// The running program's own file, its full path in UTF-8 with the system's separators, as the
// system knows it: also before the toolkit starts, which would otherwise be asked.
std::string programFile();

}  // namespace vorlix
