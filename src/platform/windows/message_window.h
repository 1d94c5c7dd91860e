// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>

#include "platform/windows/wide_text.h"

namespace vorlix {

// A hidden window that stands above all others: a window it owns is kept above every other too,
// the program's on-top word window included, as the installer's messages are. A message box's own
// MB_TOPMOST is not enough under Wine.
class TopmostOwner {
public:
    TopmostOwner();
    ~TopmostOwner();
    TopmostOwner(const TopmostOwner&) = delete;
    TopmostOwner& operator=(const TopmostOwner&) = delete;

    HWND handle() const { return window_; }

private:
    HWND window_;
};

struct MessageButton {
    int id;  // what showMessageWindow returns when it is chosen
    const wchar_t* caption;
};

struct MessageText {
    std::wstring title;
    std::wstring details;     // one line each, as many as there are; may be empty
    std::wstring conclusion;  // what the person must read, however many the details are
    HICON icon;               // the system's: LoadIcon(nullptr, IDI_INFORMATION) ...
};

// Shows `text` in a small window of the tool's own, in place of a message box, which grows with
// its text past the screen's edge and offers only its own buttons: the details scroll in a box of
// their own, and the conclusion and the buttons below them stay in sight on any screen. Sizes
// follow the font the system's messages are written in. Returns the id of the button chosen: the
// first is the default, the last is what closing the window (Esc, the close box) chooses.
int showMessageWindow(const MessageText& text, std::span<const MessageButton> buttons);

}  // namespace vorlix
