// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup_entry.h"

namespace vorlix {

std::string executablePath(std::string_view folder, std::string_view executableFileName, PathStyle style)
{
    const char separator = style == PathStyle::Windows ? '\\' : '/';
    std::string path(folder);
    if (path.empty() || path.back() != separator) path += separator;
    if (style == PathStyle::Windows) {
        path += executableFileName.substr(0, executableFileName.rfind('.'));
        path += ".exe";
    } else {
        path += executableFileName;
    }
    return path;
}

std::string runValueData(std::string_view executablePath)
{
    if (executablePath.find(' ') == std::string_view::npos) return std::string(executablePath);
    return '"' + std::string(executablePath) + '"';
}

bool UpdateStartupEntry(const Module1& m, StartupEntry& entry, const std::string& executablePath)
{
    switch (m.mark) {
    case 0: return entry.remove();
    case 1: return entry.add(executablePath);
    default: return true;
    }
}

}  // namespace vorlix
