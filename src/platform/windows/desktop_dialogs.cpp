// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop_dialogs.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <commdlg.h>

namespace vorlix {
namespace {

std::wstring wide(const std::string& utf8)
{
    const int length = static_cast<int>(utf8.size());
    std::wstring text(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, text.data(), static_cast<int>(text.size()));
    return text;
}

std::string utf8(const std::wstring& text)
{
    const int length = static_cast<int>(text.size());
    std::string out(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    return out;
}

// Started from a command prompt, the tool shares its console with the prompt; started from
// Explorer it is the console's only process. Output to a file or a pipe goes where it was sent.
bool startedFromTheDesktop()
{
    DWORD processes[2] = {};
    DWORD mode = 0;
    return GetConsoleProcessList(processes, 2) == 1 && GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

class WindowsDialogs : public DesktopDialogs {
public:
    std::optional<std::string> askForFile(const std::string& title) override
    {
        std::wstring file(32768, L'\0');  // the longest path Windows knows
        const std::wstring caption = wide(title);
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.lpstrFilter = L"Word lists (*.csv, *.txt, *.tsv)\0*.csv;*.txt;*.tsv\0All files\0*.*\0";
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrTitle = caption.c_str();
        dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameW(&dialog)) return std::nullopt;
        file.resize(file.find(L'\0'));
        return utf8(file);
    }

    void show(const std::string& title, const std::string& text, Tone tone) override
    {
        const UINT icon = tone == Tone::Error     ? MB_ICONERROR
                          : tone == Tone::Warning ? MB_ICONWARNING
                                                  : MB_ICONINFORMATION;
        MessageBoxW(nullptr, wide(text).c_str(), wide(title).c_str(), MB_OK | icon | MB_SETFOREGROUND | MB_TOPMOST);
    }
};

}  // namespace

std::unique_ptr<DesktopDialogs> desktopDialogsForThisStart()
{
    if (!startedFromTheDesktop()) return nullptr;
    // The console would stand empty behind the windows until the end.
    ShowWindow(GetConsoleWindow(), SW_HIDE);
    return std::make_unique<WindowsDialogs>();
}

}  // namespace vorlix
