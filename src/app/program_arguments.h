// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorlix {

// Where the program keeps what a user may want to find, as the help text names it.
struct ProgramPlaces {
    std::string settingsFile;
    std::string userWordDatabase;     // read instead of the bundled one when it is there
    std::string bundledWordDatabase;  // beside the program
};

// What the command line asks for before anything starts. `exitStatus` is set when the program is
// to print `standardOutput` and `standardError` and end with it, without starting.
struct ArgumentsAnswer {
    std::optional<int> exitStatus;
    std::string standardOutput;
    std::string standardError;
};

// The program's own arguments, as a Linux program takes them: --help and --version are answered;
// Qt's own options (-platform NAME, -display DISPLAY, ...) are left for Qt; anything else is an
// error (status 2). `arguments` holds the program's name first, as main() gets it. `places` is
// asked only for the help, as finding them may touch the settings file, which a start must not.
ArgumentsAnswer answerArguments(const std::vector<std::string>& arguments, const std::function<ProgramPlaces()>& places,
                                const std::string& version);

}  // namespace vorlix
