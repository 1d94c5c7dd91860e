// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop_dialogs.h"

#include "platform/windows/message_window.h"
#include "platform/windows/wide_text.h"

#include <commdlg.h>
#include <knownfolders.h>
#include <shlobj.h>

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

// The learner's documents, where their lists are; not the folder the tool was started in, which
// from the Start menu is the program folder, with the licence and words.tsv.
std::wstring documentsFolder()
{
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

class WindowsDialogs : public DesktopDialogs {
public:
    std::optional<std::string> askForFile(const std::string& title) override
    {
        std::wstring file(32768, L'\0');  // the longest path Windows knows
        const std::wstring caption = wideFrom(title);
        const std::wstring documents = documentsFolder();
        const TopmostOwner owner;
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner.handle();
        dialog.lpstrFilter = L"Word lists (*.csv, *.txt, *.tsv)\0*.csv;*.txt;*.tsv\0All files\0*.*\0";
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrInitialDir = documents.empty() ? nullptr : documents.c_str();
        dialog.lpstrTitle = caption.c_str();
        dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameW(&dialog)) return std::nullopt;
        file.resize(file.find(L'\0'));
        return utf8From(file);
    }

    Answer askAddOrReplace(const std::string& title, const std::string& question) override
    {
        const MessageButton buttons[] = {{kAdd, L"&Add"}, {kReplace, L"&Replace"}, {IDCANCEL, L"Cancel"}};
        const MessageText text{wideFrom(title), {}, wideFrom(question), LoadIcon(nullptr, IDI_QUESTION)};
        switch (showMessageWindow(text, buttons)) {
        case kAdd: return Answer::Add;
        case kReplace: return Answer::Replace;
        default: return Answer::Cancel;
        }
    }

    void show(const std::string& title, const std::string& details, const std::string& conclusion, Tone tone) override
    {
        const HICON icon = LoadIcon(nullptr, tone == Tone::Error     ? IDI_ERROR
                                             : tone == Tone::Warning ? IDI_WARNING
                                                                     : IDI_INFORMATION);
        const MessageButton ok[] = {{IDOK, L"OK"}};
        showMessageWindow({wideFrom(title), wideFrom(details), wideFrom(conclusion), icon}, ok);
    }

private:
    static constexpr int kAdd = 10;
    static constexpr int kReplace = 11;
};

}  // namespace

std::unique_ptr<DesktopDialogs> desktopDialogsForThisStart()
{
    if (!startedFromTheDesktop()) return nullptr;
    // The console would stand empty behind the windows until the end.
    ShowWindow(GetConsoleWindow(), SW_HIDE);
    // Sized in the system's own pixels, rather than drawn small and stretched, blurred, by Windows.
    SetProcessDPIAware();
    return std::make_unique<WindowsDialogs>();
}

}  // namespace vorlix
