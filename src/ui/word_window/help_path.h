// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "ui/word_window/program_location.h"

namespace vorlix {

// help.hlp beside the program, joined without looking at the folder's end: a root folder keeps
// its doubled separator, as older installs had it.
std::string helpFilePath(const ProgramLocation& program);

// The help page shipped with the program, for installs without help.hlp.
std::string shippedHelpPath(const ProgramLocation& program);

}  // namespace vorlix
