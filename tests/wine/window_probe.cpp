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
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

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

BOOL CALLBACK holdsText(HWND child, LPARAM search)
{
    auto* wanted = reinterpret_cast<MessageSearch*>(search);
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    wanted->found = std::wcsstr(text, wanted->text) != nullptr;
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
    wchar_t text[4096] = {};
    if (IsWindowVisible(child) && GetWindowTextW(child, text, 4096) > 0) {
        *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"\n\n";
    }
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
    } else {
        std::fprintf(stderr,
                     "usage: window_probe windows | foreground | pixel X Y | desktop-colour | message TEXT | "
                     "texts TEXT | answer HWND ID\n");
        return 2;
    }
    return 0;
}
