// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/command_line.h"

namespace vorlix {

std::vector<std::string> commandLineArguments(int argc, char* argv[])
{
    return {argv, argv + argc};
}

}  // namespace vorlix
