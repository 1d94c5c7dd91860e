// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/help_path.h"

namespace vorlix {

std::string helpFilePath(const ProgramLocation& program)
{
    return program.folder + program.separator + "help.hlp";
}

std::string shippedHelpPath(const ProgramLocation& program)
{
    return program.folder + program.separator + "help.html";
}

}  // namespace vorlix
