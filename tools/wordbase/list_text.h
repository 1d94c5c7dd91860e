// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlix::wordbase {

// A file that holds no text the tool can read; line() is where that shows first.
class NotText : public std::runtime_error {
public:
    NotText(int line, const std::string& reason) : std::runtime_error(reason), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct ListText {
    std::string utf8;
    // The character set the list was read in when it is no Unicode text (legacy_text.h), else empty.
    std::string legacyCharacterSet;
};

// A word list's bytes as UTF-8 text, in the encodings spreadsheets and editors save: UTF-8 with or
// without a byte-order mark, UTF-16 with one (little- or big-endian), and anything else in the
// character set of a spreadsheet's plain CSV (legacy_text.h). Line ends are left as they are.
// Throws NotText for a spreadsheet's own file, NUL characters (UTF-16 without a byte-order mark
// shows as those), malformed UTF-16, and bytes that are no text in that character set either.
ListText listText(std::string_view bytes);

}  // namespace vorlix::wordbase
