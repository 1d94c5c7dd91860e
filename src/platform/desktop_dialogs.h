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
    enum class Answer { Add, Replace, Cancel };

    virtual ~DesktopDialogs() = default;
    // The file the person picks in the system's open-file dialog, which starts among their
    // documents (UTF-8); none when they cancel.
    virtual std::optional<std::string> askForFile(const std::string& title) = 0;
    // Whether the list is to be added to the words the person has or to replace them, as
    // `question` (UTF-8) puts it; Cancel when they close the window.
    virtual Answer askAddOrReplace(const std::string& title, const std::string& question) = 0;
    // Shows `details` (UTF-8, a line each, as many as there are; may be empty) above
    // `conclusion`, which stays in sight however many the details are, in a window that stays
    // until the person closes it.
    virtual void show(const std::string& title, const std::string& details, const std::string& conclusion,
                      Tone tone) = 0;
};

// The dialogs of a tool started from the desktop, its own console hidden; none when it was started
// from a command line, its output going to a console that stays, a file or a pipe, and none on
// systems whose desktop starts no command-line tools.
std::unique_ptr<DesktopDialogs> desktopDialogsForThisStart();

}  // namespace vorlix
