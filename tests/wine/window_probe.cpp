// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells what Windows itself knows of the program's windows, for the tests that drive the real
// program under Wine: Wine shows a frameless tool window as an X window no window manager
// handles, so X has nothing to say about its frame or stacking.
//   window_probe windows          one line a visible top-level window of a vorlix.exe:
//                                 HWND CLASS STYLE EXSTYLE LEFT TOP RIGHT BOTTOM (numbers in hex
//                                 for the handle and the styles)
//   window_probe foreground       the handle of the window in front
//   window_probe pixel X Y        the colour at a point of the screen, RRGGBB
//   window_probe desktop-colour   the colour scheme's desktop colour, RRGGBB
//   window_probe message TEXT     "HWND EXSTYLE FOREGROUND" of a shown message box of any program
//                                 whose text holds TEXT; FOREGROUND is 1 when it is in front
//   window_probe texts TEXT       the texts of a shown dialog of any program (a message box, an
//                                 installer's page) that holds TEXT, one a paragraph, in UTF-8
//   window_probe answer HWND ID   chooses the button ID of a dialog (4: a message box's Retry,
//                                 1: an installer page's Next), whichever window has the keyboard
//   window_probe press HWND TEXT  chooses the button of a dialog whose caption is TEXT ("&" left out)
//   window_probe layout HWND      where a dialog and its controls lie, and whether it stands above
//                                 the program's windows (see printLayout)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

bool ofTheProgram(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return false;
    wchar_t image[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const bool named = QueryFullProcessImageNameW(process, 0, image, &length) != FALSE;
    CloseHandle(process);
    const wchar_t* name = std::wcsrchr(image, L'\\');
    return named && name && _wcsicmp(name + 1, L"vorlix.exe") == 0;
}

BOOL CALLBACK printWindow(HWND window, LPARAM)
{
    if (!IsWindowVisible(window) || !ofTheProgram(window)) return TRUE;
    char className[256] = {};
    GetClassNameA(window, className, sizeof className);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%llx %s %lx %lx %ld %ld %ld %ld\n",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)), className,
                static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)), r.left, r.top, r.right, r.bottom);
    return TRUE;
}

struct MessageSearch {
    const wchar_t* text;
    bool found = false;
};

// The text of a window of any process: GetWindowText gives only captions across processes.
std::wstring textOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    text.resize(std::min<size_t>(copied, length));
    return text;
}

BOOL CALLBACK holdsText(HWND child, LPARAM search)
{
    auto* wanted = reinterpret_cast<MessageSearch*>(search);
    wanted->found = textOf(child).find(wanted->text) != std::wstring::npos;
    return !wanted->found;
}

BOOL CALLBACK printMessageBox(HWND window, LPARAM text)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (!IsWindowVisible(window) || std::strcmp(className, "#32770") != 0) return TRUE;
    MessageSearch search{reinterpret_cast<const wchar_t*>(text)};
    EnumChildWindows(window, holdsText, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
        std::printf("%llx %lx %d\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)),
                    static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                    GetForegroundWindow() == window ? 1 : 0);
    }
    return TRUE;
}

BOOL CALLBACK collectText(HWND child, LPARAM texts)
{
    const std::wstring text = IsWindowVisible(child) ? textOf(child) : std::wstring();
    if (!text.empty()) *reinterpret_cast<std::wstring*>(texts) += text + L"\n\n";
    return TRUE;
}

BOOL CALLBACK printDialogTexts(HWND window, LPARAM text)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (!IsWindowVisible(window) || std::strcmp(className, "#32770") != 0) return TRUE;
    std::wstring texts;
    EnumChildWindows(window, collectText, reinterpret_cast<LPARAM>(&texts));
    if (texts.find(reinterpret_cast<const wchar_t*>(text)) == std::wstring::npos) return TRUE;
    const int length = static_cast<int>(texts.size());
    std::string utf8(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, texts.data(), length, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texts.data(), length, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return TRUE;
}

// "L T R B" of a dialog, then of its screen's work area, and 1 when it stands above every window
// of the program (EnumWindows goes from the top of the stacking order down); then "CLASS STYLE L T
// R B" a visible control.
void printLayout(HWND dialog)
{
    RECT r{};
    GetWindowRect(dialog, &r);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &screen);
    std::pair<HWND, bool> above{dialog, true};
    EnumWindows(
        [](HWND window, LPARAM state) -> BOOL {
            auto* a = reinterpret_cast<std::pair<HWND, bool>*>(state);
            if (window != a->first && IsWindowVisible(window) && ofTheProgram(window)) a->second = false;
            return window != a->first && a->second;
        },
        reinterpret_cast<LPARAM>(&above));
    const RECT& w = screen.rcWork;
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %d\n", r.left, r.top, r.right, r.bottom, w.left, w.top, w.right,
                w.bottom, above.second ? 1 : 0);
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM) -> BOOL {
            char className[64] = {};
            GetClassNameA(child, className, sizeof className);
            RECT c{};
            GetWindowRect(child, &c);
            if (IsWindowVisible(child)) {
                std::printf("%s %lx %ld %ld %ld %ld\n", className,
                            static_cast<unsigned long>(GetWindowLongPtrW(child, GWL_STYLE)), c.left, c.top, c.right,
                            c.bottom);
            }
            return TRUE;
        },
        0);
}

void printColour(COLORREF c)
{
    std::printf("%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "windows") == 0) {
        EnumWindows(printWindow, 0);
    } else if (argc == 2 && std::strcmp(argv[1], "foreground") == 0) {
        std::printf("%llx\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetForegroundWindow())));
    } else if (argc == 4 && std::strcmp(argv[1], "pixel") == 0) {
        HDC screen = GetDC(nullptr);
        printColour(GetPixel(screen, std::atoi(argv[2]), std::atoi(argv[3])));
        ReleaseDC(nullptr, screen);
    } else if (argc == 2 && std::strcmp(argv[1], "desktop-colour") == 0) {
        printColour(GetSysColor(COLOR_DESKTOP));
    } else if (argc == 3 && std::strcmp(argv[1], "message") == 0) {
        wchar_t text[256] = {};
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, text, 255);
        EnumWindows(printMessageBox, reinterpret_cast<LPARAM>(text));
    } else if (argc == 3 && std::strcmp(argv[1], "texts") == 0) {
        wchar_t text[256] = {};
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, text, 255);
        EnumWindows(printDialogTexts, reinterpret_cast<LPARAM>(text));
    } else if (argc == 4 && std::strcmp(argv[1], "answer") == 0) {
        const auto box = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(argv[2], nullptr, 16)));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(std::atoi(argv[3]), BN_CLICKED), 0);
    } else if (argc == 4 && std::strcmp(argv[1], "press") == 0) {
        const auto box = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(argv[2], nullptr, 16)));
        wchar_t caption[256] = {};
        MultiByteToWideChar(CP_UTF8, 0, argv[3], -1, caption, 255);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            std::wstring text = textOf(child);
            std::erase(text, L'&');
            if (text == caption) PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED), 0);
        }
    } else if (argc == 3 && std::strcmp(argv[1], "layout") == 0) {
        printLayout(reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(argv[2], nullptr, 16))));
    } else {
        std::fprintf(stderr,
                     "usage: window_probe windows | foreground | pixel X Y | desktop-colour | message TEXT | "
                     "texts TEXT | answer HWND ID | press HWND TEXT | layout HWND\n");
        return 2;
    }
    return 0;
}
