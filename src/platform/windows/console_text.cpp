// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/console_text.h"

#include <string>

#include "platform/windows/wide_text.h"

namespace vorlix {

void writeConsoleText(std::FILE* stream, std::string_view utf8)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (utf8.empty() || !GetConsoleMode(handle, &mode)) {
        std::fwrite(utf8.data(), 1, utf8.size(), stream);
        return;
    }
    const std::wstring wide = wideFrom(utf8);
    std::fflush(stream);  // what went out through the C library before stays before
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

}  // namespace vorlix
