// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

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

// A word list's bytes as UTF-8 text, in the encodings spreadsheets and editors save, by one rule:
// a byte-order mark decides (UTF-8, or UTF-16 of either byte order); without one, a list valid as
// UTF-8 throughout is UTF-8, and a list with no valid multi-byte UTF-8 sequence at all is in the
// character set of a spreadsheet's plain CSV (legacy_text.h). A list that holds both, or a list
// marked as UTF-8 that is not, has a line that would be garbled either way: it is refused there.
// The bytes are taken over, so that UTF-8, by far the most common, is never copied. Line ends are
// left as they are. Throws NotText for that, for a spreadsheet's own file, NUL characters (UTF-16
// without a byte-order mark shows as those), malformed UTF-16, and bytes that are no text in the
// legacy character set either.
ListText listText(std::string bytes);

}  // namespace vorlix::wordbase
