// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace vorlix {

// The command line's questions, answered before anything starts, so that they never reach a
// running copy. On Linux --help and --version are printed, and an argument that is neither these
// nor one of Qt's own options is refused; the status to end with is returned. Nothing is answered
// on Windows, where the program is a windowed one with no console to print to.
std::optional<int> answerProgramArguments(int argc, char* argv[], const std::string& programFolder);

}  // namespace vorlix
