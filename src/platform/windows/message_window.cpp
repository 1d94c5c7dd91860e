// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows/message_window.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>
#include <vector>

namespace vorlix {
namespace {

// Enough lines to see what is wrong with a list; the rest scroll.
constexpr int kShownDetailLines = 20;
// About as wide as a console's line, in average characters.
constexpr int kTextWidth = 80;
constexpr int kDetailsId = 100;
constexpr int kConclusionId = 101;

struct Dialog {
    const MessageText& text;
    std::span<const MessageButton> buttons;
    HFONT font = nullptr;
};

// Edit controls break lines only at CR LF; a line break at the end would show as an empty line.
std::wstring editText(std::wstring_view text)
{
    while (!text.empty() && text.back() == L'\n') text.remove_suffix(1);
    std::wstring out;
    for (const wchar_t c : text) {
        if (c == L'\n') out += L'\r';
        out += c;
    }
    return out;
}

HWND child(HWND dialog, const wchar_t* windowClass, const wchar_t* text, DWORD style, DWORD exStyle, int id, HFONT font)
{
    HWND window =
        CreateWindowExW(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

// Read-only text `width` wide, which the person can select and copy from (a path, a line).
HWND textBox(HWND dialog, const std::wstring& text, DWORD style, DWORD exStyle, int id, HFONT font, int x, int width)
{
    HWND box = child(dialog, L"EDIT", L"", ES_MULTILINE | ES_READONLY | style, exStyle, id, font);
    MoveWindow(box, x, 0, width, 4096, FALSE);
    SetWindowTextW(box, editText(text).c_str());
    // The caret from the end of the text to its start, so that the box, made smaller, shows the start.
    SendMessageW(box, EM_SETSEL, 0, 0);
    return box;
}

int lineCount(HWND box)
{
    return static_cast<int>(SendMessageW(box, EM_GETLINECOUNT, 0, 0));
}

// The height at which `box` shows `lines` whole lines: its frame and margins, and the lines.
int heightFor(HWND box, int lines, int lineHeight)
{
    RECT window{}, client{}, format{};
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return (window.bottom - window.top) - (client.bottom - client.top) + 2 * format.top + lines * lineHeight;
}

// Where the person is: the work area of the screen with the mouse on it.
RECT workArea()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

// The font's sizes, and dialog units of it, in which Windows lays out its own dialogs.
struct FontSizes {
    int unitX, lineHeight, averageWidth;
    std::vector<int> captionWidths;
    int dx(int units) const { return MulDiv(units, unitX, 4); }
    int dy(int units) const { return MulDiv(units, lineHeight, 8); }
};

FontSizes measure(HWND dialog, HFONT font, std::span<const MessageButton> buttons)
{
    TEXTMETRICW metrics{};
    SIZE alphabet{};
    FontSizes sizes{};
    HDC dc = GetDC(dialog);
    const HGDIOBJ before = SelectObject(dc, font);
    GetTextMetricsW(dc, &metrics);
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &alphabet);
    for (const MessageButton& button : buttons) {
        SIZE caption{};
        GetTextExtentPoint32W(dc, button.caption, static_cast<int>(std::wcslen(button.caption)), &caption);
        sizes.captionWidths.push_back(caption.cx);
    }
    SelectObject(dc, before);
    ReleaseDC(dialog, dc);
    sizes.unitX = (alphabet.cx / 26 + 1) / 2;
    sizes.lineHeight = static_cast<int>(metrics.tmHeight);
    sizes.averageWidth = static_cast<int>(metrics.tmAveCharWidth);
    return sizes;
}

// The buttons' widths: room for the caption, and at least those of the system's own dialogs.
std::vector<int> buttonWidths(const FontSizes& font)
{
    std::vector<int> widths;
    for (const int caption : font.captionWidths) widths.push_back(std::max(font.dx(50), caption + font.dx(8)));
    return widths;
}

// The buttons in a row from (x, y), as wide as `widths`.
void placeButtons(const std::vector<HWND>& buttons, const std::vector<int>& widths, const FontSizes& font, int x, int y)
{
    for (size_t i = 0; i < buttons.size(); ++i) {
        MoveWindow(buttons[i], x, y, widths[i], font.dy(14), FALSE);
        x += widths[i] + font.dx(4);
    }
}

INT_PTR initialise(HWND dialog, Dialog& d)
{
    SetWindowTextW(dialog, d.text.title.c_str());
    // Its task-bar button carries the tool's own icon, its first resource, rather than a blank one.
    const HINSTANCE module = GetModuleHandleW(nullptr);
    for (const auto& [which, size] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        const int pixels = GetSystemMetrics(size);
        SendMessageW(dialog, WM_SETICON, which,
                     reinterpret_cast<LPARAM>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, pixels, pixels, 0)));
    }
    NONCLIENTMETRICSW system{};
    system.cbSize = sizeof system;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0);
    d.font = CreateFontIndirectW(&system.lfMessageFont);
    const FontSizes font = measure(dialog, d.font, d.buttons);
    const int lineHeight = font.lineHeight;

    const RECT work = workArea();
    const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
    RECT frame{};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    const int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
    const int margin = font.dx(7), marginY = font.dy(7), gap = font.dy(7), buttonHeight = font.dy(14);
    const int iconSize = GetSystemMetrics(SM_CXICON);
    const int textX = margin + iconSize + margin;
    const int textWidth = std::min(kTextWidth * font.averageWidth, workWidth - frameWidth - textX - margin);

    HWND icon = child(dialog, L"STATIC", L"", SS_ICON, 0, -1, d.font);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(d.text.icon), 0);
    MoveWindow(icon, margin, marginY, iconSize, iconSize, FALSE);
    // The buttons first in the order of Tab, so that the default one has the focus whatever the
    // dialog gives it to: the details, given it, would select all and show their end.
    std::vector<HWND> buttons;
    for (size_t i = 0; i < d.buttons.size(); ++i) {
        buttons.push_back(child(dialog, L"BUTTON", d.buttons[i].caption,
                                WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, d.buttons[i].id, d.font));
    }
    // Details that fit are plain text, as the conclusion is; more go into a box that scrolls.
    HWND details =
        d.text.details.empty() ? nullptr : textBox(dialog, d.text.details, 0, 0, kDetailsId, d.font, textX, textWidth);
    HWND conclusion = textBox(dialog, d.text.conclusion, 0, 0, kConclusionId, d.font, textX, textWidth);
    int detailsHeight = details ? heightFor(details, lineCount(details), lineHeight) : 0;
    int conclusionHeight = heightFor(conclusion, lineCount(conclusion), lineHeight);
    const auto textHeight = [&] { return (details ? detailsHeight + gap : 0) + conclusionHeight; };
    const auto clientHeight = [&] { return marginY + std::max(textHeight(), iconSize) + gap + buttonHeight + marginY; };
    const int room = workHeight - frameHeight;
    if (details && (lineCount(details) > kShownDetailLines || clientHeight() > room)) {
        DestroyWindow(details);
        details = textBox(dialog, d.text.details, WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kDetailsId, d.font, textX,
                          textWidth);
        detailsHeight = heightFor(details, std::min(lineCount(details), kShownDetailLines), lineHeight);
        // On a screen too small for it all, the details give up lines first, then the conclusion.
        if (clientHeight() > room) {
            detailsHeight = std::max(heightFor(details, 2, lineHeight), detailsHeight - (clientHeight() - room));
        }
    }
    if (clientHeight() > room) conclusionHeight = std::max(lineHeight, conclusionHeight - (clientHeight() - room));

    int y = marginY;
    if (details) {
        MoveWindow(details, textX, y, textWidth, detailsHeight, FALSE);
        y += detailsHeight + gap;
    }
    MoveWindow(conclusion, textX, y, textWidth, conclusionHeight, FALSE);

    const std::vector<int> widths = buttonWidths(font);
    const int rowWidth = std::accumulate(widths.begin(), widths.end(), font.dx(4) * int(widths.size() - 1));
    const int clientWidth = std::max(textX + textWidth + margin, margin + rowWidth + margin);
    placeButtons(buttons, widths, font, clientWidth - margin - rowWidth, clientHeight() - marginY - buttonHeight);

    const int width = clientWidth + frameWidth, height = clientHeight() + frameHeight;
    SetWindowPos(dialog, HWND_TOPMOST, work.left + std::max(0, (workWidth - width) / 2),
                 work.top + std::max(0, (workHeight - height) / 2), width, height, 0);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(buttons.front()), TRUE);
    SetForegroundWindow(dialog);
    return FALSE;  // the focus is set
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return initialise(dialog, *reinterpret_cast<Dialog*>(lParam));
    }
    if (message != WM_COMMAND) return FALSE;
    const auto* d = reinterpret_cast<const Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    const int id = LOWORD(wParam);
    if (id == IDCANCEL) {
        EndDialog(dialog, d->buttons.back().id);
        return TRUE;
    }
    const bool ours = std::any_of(d->buttons.begin(), d->buttons.end(), [id](const auto& b) { return b.id == id; });
    if (!ours || HIWORD(wParam) != BN_CLICKED) return FALSE;
    EndDialog(dialog, id);
    return TRUE;
}

}  // namespace

TopmostOwner::TopmostOwner()
    : window_(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr))
{
}

TopmostOwner::~TopmostOwner()
{
    if (window_) DestroyWindow(window_);
}

int showMessageWindow(const MessageText& text, std::span<const MessageButton> buttons)
{
    // A dialog with nothing in it, which initialise() fills and sizes: a dialog, not a window of a
    // class of its own, for the keys every dialog has (Tab, Enter, Esc).
    DLGTEMPLATE empty{};
    empty.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    // A button in the task bar, as the console it stands in for had.
    empty.dwExtendedStyle = WS_EX_TOPMOST | WS_EX_APPWINDOW;
    // No menu, the dialog class, no title: three words of 0 after the template.
    alignas(4) WORD layout[sizeof(DLGTEMPLATE) / sizeof(WORD) + 3] = {};
    std::memcpy(layout, &empty, sizeof empty);

    const TopmostOwner owner;
    Dialog d{text, buttons};
    const INT_PTR chosen =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(layout), owner.handle(),
                                dialogProcedure, reinterpret_cast<LPARAM>(&d));
    if (d.font) DeleteObject(d.font);
    return chosen > 0 ? static_cast<int>(chosen) : buttons.back().id;
}

}  // namespace vorlix
