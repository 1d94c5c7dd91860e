// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// UTF-8, the program's own text, to and from the UTF-16 that Windows' wide functions take. Also
// includes <windows.h>, as every file that needs these does.

#include <string>
#include <string_view>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace vorlix {

// `bytes` in the code page `codePage` (UTF-8 unless named) as UTF-16; empty when they are no text
// in it and `flags` holds MB_ERR_INVALID_CHARS.
inline std::wstring wideFrom(std::string_view bytes, UINT codePage = CP_UTF8, DWORD flags = 0)
{
    const int length = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), length, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

inline std::string utf8From(std::wstring_view wide)
{
    const int length = static_cast<int>(wide.size());
    std::string utf8(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

}  // namespace vorlix
