// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <QWidget>

#include "platform/platform.h"

namespace vorlix {

QPoint windowPosition(const QWidget& window)
{
    // Qt's record follows every move Windows makes.
    return window.pos();
}

void offerCloseBoxOnly(QWidget&)
{
    // Windows draws exactly the title-bar buttons the window flags ask for.
}

void placeAsANewWindow(QWidget& window)
{
    // Where Windows puts a new window of the default position (CW_USEDEFAULT): a window that is
    // never shown is made to find out. Qt takes the window's new place from Windows.
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, window.width(),
                                 window.height(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!probe) return;
    RECT placed{};
    const bool known = GetWindowRect(probe, &placed) != FALSE;
    DestroyWindow(probe);
    if (known) {
        SetWindowPos(reinterpret_cast<HWND>(window.winId()), nullptr, placed.left, placed.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

namespace {

bool runningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

std::optional<std::string> qtPlatformForThisSession()
{
    // Wine's GDI reports, at the dialog's and the menu's sizes, advance widths other than those it
    // sets its own glyphs by: "m" and "O" of an 8 pt face report 9 pixels and are set 8 apart. Qt's
    // default font engine places the glyphs GDI draws by the widths GDI reports, so letters stand
    // apart or run together ("Num bers"). Qt's FreeType engine takes both from one source. Windows
    // itself sets glyphs by the widths it reports, and keeps Qt's default engine.
    if (runningUnderWine()) return "windows:fontengine=freetype";
    return std::nullopt;
}

bool systemDrawsSmallTextUnsmoothed()
{
    // Windows smooths its own text with ClearType, as it does by default.
    return runningUnderWine();
}

}  // namespace vorlix
