// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/command_line.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The C runtime's own wide splitting of the command line, by the rules main()'s argv follows.
// Not CommandLineToArgvW: shell32 brings user32 and a dozen more libraries with it, which cost the
// word reader a quarter of its start under Wine, and the reader starts beside the word window.
extern "C" int __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** environment, int expandWildcards, int* startInfo);

namespace vorlix {

namespace {

std::string utf8FromWide(const wchar_t* wide)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

}  // namespace

std::vector<std::string> commandLineArguments(int argc, char* argv[])
{
    int count = 0;
    wchar_t** wide = nullptr;
    wchar_t** environment = nullptr;
    int startInfo = 0;
    if (__wgetmainargs(&count, &wide, &environment, 0, &startInfo) < 0 || !wide) return {argv, argv + argc};
    // The runtime owns the strings.
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
    return arguments;
}

std::string programFile()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A path that filled the buffer may have been cut short.
        if (length < path.size()) {
            path.resize(length);
            return utf8FromWide(path.c_str());
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace vorlix
