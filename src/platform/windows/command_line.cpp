// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/command_line.h"

#include "platform/windows/wide_text.h"

// The C runtime's own wide splitting of the command line, by the rules main()'s argv follows.
// Not CommandLineToArgvW: shell32 brings user32 and a dozen more libraries with it, which cost the
// word reader a quarter of its start under Wine, and the reader starts beside the word window.
extern "C" int __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** environment, int expandWildcards, int* startInfo);

namespace vorlix {

std::vector<std::string> commandLineArguments(int argc, char* argv[])
{
    int count = 0;
    wchar_t** wide = nullptr;
    wchar_t** environment = nullptr;
    int startInfo = 0;
    if (__wgetmainargs(&count, &wide, &environment, 0, &startInfo) < 0 || !wide) return {argv, argv + argc};
    // The runtime owns the strings.
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(utf8From(wide[i]));
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
            return utf8From(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace vorlix
