// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::wordbase {

// One line of a list, or more than one where a quoted field holds line breaks.
struct Record {
    int line;  // where it starts, counting from 1
    std::vector<std::string> fields;
    // Set when the quotes are out of order; the fields are then not what the writer meant.
    std::string quoteProblem;
};

struct Records {
    char separator;
    std::vector<Record> records;
};

// Splits text as spreadsheets write CSV (RFC 4180) and as tab-separated text comes: the
// separator is `separator` where the list names it (list_header.h), else a tab, a semicolon or a
// comma, whichever the first line uses (a tab before the others, a comma where semicolons are
// not more). A field that starts with a double quote runs to
// the closing one and may hold separators, line breaks and doubled quotes; a quote anywhere
// else is an ordinary character, as it always was in tab-separated lists. Lines end in LF, CRLF
// or CR. Empty lines, and lines whose first field starts with '#', are no records.
Records splitRecords(std::string_view text, std::optional<char> separator = std::nullopt);

}  // namespace vorlix::wordbase
