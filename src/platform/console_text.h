// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <string_view>

namespace vorlix {

// Writes UTF-8 text to `stream` (stdout or stderr) for a person to read. A Windows console would
// show UTF-8 bytes in its code page, so it is given the text as wide characters there; output
// that goes to a file or a pipe is UTF-8 everywhere.
void writeConsoleText(std::FILE* stream, std::string_view utf8);

}  // namespace vorlix
