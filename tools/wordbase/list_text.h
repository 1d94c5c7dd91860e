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

// A word list's bytes as UTF-8 text, in the encodings spreadsheets and editors save: UTF-8 with or
// without a byte-order mark, and UTF-16 with one (little- or big-endian). Line ends are left as
// they are. Throws NotText for NUL characters, malformed UTF-8 or UTF-16, and UTF-16 without a
// byte-order mark, which shows as NUL bytes.
std::string utf8Text(std::string_view bytes);

}  // namespace vorlix::wordbase
