// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>

namespace vorlix::jet {

// Paths travel as UTF-8; a path made from a plain std::string would be read in the system's
// code page on Windows and name no file once the folder holds a character outside it.
inline std::filesystem::path utf8Path(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace vorlix::jet
