// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "app/module1.h"

namespace vorlix {

inline constexpr const char* kWordDatabaseFile = "reg.ocx";

// Sets categoryFilter from guage: the chosen category's database name in single quotes; left as
// it is for "All".
void BuildWordQuery(Module1& m);

// The query for the category in guage, with the filter BuildWordQuery made.
std::string wordRecordSource(const Module1& m);

// The word database beside the program. The separator is always put in, so a root folder gives
// two in a row; both Windows and POSIX accept that.
std::string wordDatabaseName(const std::string& programFolder, char separator);

// The folder whose reg.ocx is the word database: the user's own folder when anything stands there
// under that name, even a file that cannot be read, so that it is reported rather than passed
// over; else the program's.
std::string wordDatabaseFolder(const std::string& programFolder, const std::optional<std::string>& userFolder,
                               char separator);

// The connection text: ";pwd=" and the password the program holds.
std::string wordConnect();

}  // namespace vorlix
