// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "app/module1.h"

namespace vorlix {

// The name under which the program is listed among the programs started at log-on; the same text
// as the settings section, so both are found under one name.
inline constexpr const char* kStartupEntryName = "vorlix1.0";

// The current user's list of programs started at log-on, as far as this program's own entry goes.
class StartupEntry {
public:
    virtual ~StartupEntry() = default;
    // Creates or replaces the entry so that it starts `executablePath`; false when it was not stored.
    virtual bool add(const std::string& executablePath) = 0;
    // Deletes the entry; an entry that is not there counts as removed.
    virtual bool remove() = 0;
};

enum class PathStyle { Windows, Posix };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

// The executable's full path from the program's folder and the executable's file name. On Windows
// the name's last extension gives way to ".exe", whatever the file carries; elsewhere a name is
// the file's own, dots and all ("vorlix.bin", "vorlix-1.0"). A folder that already ends in its
// separator (a drive's root, "C:\") gets no second one.
std::string executablePath(std::string_view folder, std::string_view executableFileName, PathStyle style);

// The text of the Windows `Run` value for a path: quoted when it contains a space, because the
// shell splits an unquoted command line at the first space and could start a different program
// ("C:\Program.exe" for "C:\Program Files\..."); any other path is stored exactly as it is.
std::string runValueData(std::string_view executablePath);

// Brings the entry in line with `mark`: 0 removes it, 1 adds it for `executablePath`, any other
// value leaves it alone. False when the entry could not be changed.
bool UpdateStartupEntry(const Module1& m, StartupEntry& entry, const std::string& executablePath);

}  // namespace vorlix
