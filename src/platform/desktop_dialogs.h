// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <optional>
#include <string>

namespace vorlix {

// How a command-line tool talks to a person who started it from the desktop rather than from a
// command line. On Windows a console program started from Explorer (a double-click, a file
// dropped on it, the Start menu) gets a console of its own, which closes the moment the program
// ends: nothing written there is ever read, so the tool asks and answers in windows instead.
class DesktopDialogs {
public:
    enum class Tone { Information, Warning, Error };

    virtual ~DesktopDialogs() = default;
    // The file the person picks in the system's open-file dialog (UTF-8); none when they cancel.
    virtual std::optional<std::string> askForFile(const std::string& title) = 0;
    // Shows `text` (UTF-8) in a window that stays until the person closes it.
    virtual void show(const std::string& title, const std::string& text, Tone tone) = 0;
};

// The dialogs of a tool started from the desktop, its own console hidden; none when it was started
// from a command line, its output going to a console that stays, a file or a pipe, and none on
// systems whose desktop starts no command-line tools.
std::unique_ptr<DesktopDialogs> desktopDialogsForThisStart();

}  // namespace vorlix
