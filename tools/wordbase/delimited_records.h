// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorlix::wordbase {

// One line of a list, or more than one where a quoted field holds line breaks.
struct Record {
    int line = 0;  // where it starts, counting from 1
    std::vector<std::string> fields;
    // Set when the quotes are out of order; the fields are then not what the writer meant.
    std::string quoteProblem;
};

// Splits text as spreadsheets write CSV (RFC 4180) and as tab-separated text comes, one record at
// a time, so that a long list is never held a second time as strings. A field that starts with a
// double quote runs to the closing one and may hold separators, line breaks and doubled quotes; a
// quote anywhere else is an ordinary character, as it always was in tab-separated lists. Lines
// end in LF, CRLF or CR. Empty lines are no records. The text is a list's body, past its header
// and comments (list_header.h); at its head, a comment a spreadsheet saved in quotes (a first
// field that starts with '#', and no other) is no record either. Any other line is a record: a
// word may start with '#', and so may Anki's note ids.
class RecordReader {
public:
    // `text` starts at line `line` of the list.
    RecordReader(std::string_view text, std::string separator, int line = 1)
        : text_(text), separator_(std::move(separator)), line_(line)
    {
    }

    // The next record into `record`, whose storage it reuses; false at the end of the text.
    bool next(Record& record);

private:
    bool atLineEnd() const;
    bool atSeparator() const;
    void passLineEnd();
    void passLine();
    void passPlainField();
    void read(Record& record);
    void readQuoted(std::string& field, Record& record);

    std::string_view text_;
    std::string separator_;
    size_t at_ = 0;
    int line_;
    bool atHead_ = true;
};

// The separator of a list whose header names none, from the first line of its body: a
// tab, a semicolon or a comma, whichever it uses (a tab before the others, a comma where
// semicolons are not more). A list typed by hand, with none of the three anywhere, is separated
// by " - ", " = " or an en dash between blanks, whichever comes first.
std::string separatorOf(std::string_view body);

}  // namespace vorlix::wordbase
