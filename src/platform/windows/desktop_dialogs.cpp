// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop_dialogs.h"

#include "platform/windows/wide_text.h"

#include <commdlg.h>

namespace vorlix {
namespace {

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
        const std::wstring caption = wideFrom(title);
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.lpstrFilter = L"Word lists (*.csv, *.txt, *.tsv)\0*.csv;*.txt;*.tsv\0All files\0*.*\0";
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrTitle = caption.c_str();
        dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameW(&dialog)) return std::nullopt;
        file.resize(file.find(L'\0'));
        return utf8From(file);
    }

    void show(const std::string& title, const std::string& text, Tone tone) override
    {
        const UINT icon = tone == Tone::Error     ? MB_ICONERROR
                          : tone == Tone::Warning ? MB_ICONWARNING
                                                  : MB_ICONINFORMATION;
        MessageBoxW(nullptr, wideFrom(text).c_str(), wideFrom(title).c_str(),
                    MB_OK | icon | MB_SETFOREGROUND | MB_TOPMOST);
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
