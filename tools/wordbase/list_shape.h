// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "delimited_records.h"
#include "list_header.h"
#include "word_list.h"

namespace vorlix::wordbase {

enum class Column { Category, English, Spanish };
// The column each field of a line holds, in field order, once the fields that hold no word are
// left out: the list's shape.
using Layout = std::vector<Column>;

struct ListShape {
    std::string separator;
    bool html = false;
    std::set<size_t> leftOut;     // the fields, counting from 0, that hold no word
    Layout layout;                // empty when the list holds no line of words
    int firstLine = 0;            // the line of the list's first record
    bool firstLineNames = false;  // that record names the columns and holds no pair
    size_t fitting = 0;           // how many records have the layout's fields, at most
    size_t bodyStart = 0;         // where the lines of words start, past the header
    int bodyLine = 1;
    // Where the shape is other than a learner would take it to be, one line says so; where no
    // shape fits, an error says why.
    std::optional<Diagnostic> note;

    // " - " between the words, as a list typed by hand has: the blanks around them are not theirs.
    bool typedByHand() const { return separator.size() > 1; }
};

// How a list's lines hold their words, from its header and its lines: the columns that "#columns:"
// or a first line naming them gives (category, english or en or front, spanish or es or back;
// tags, deck, notetype and guid hold none), else by their number: english and spanish, or category
// first, or category last where on every line the first field names no category and the last
// names one. Empty fields at the end of a line are no fields.
ListShape listShape(std::string_view text, const ListHeader& header);

bool hasCategory(const Layout& layout);

// A record's fields as they hold words: without those the shape leaves out, HTML reduced to its
// text, and with no empty fields at the end beyond the layout's (a spreadsheet's unused columns).
void takeWordFields(const Record& record, const ListShape& shape, std::vector<std::string>& fields);

// Why a line's `fields` do not fit the layout, for a line with other than its number of fields.
std::string fieldCountProblem(const std::vector<std::string>& fields, const ListShape& shape);

std::string_view columnName(Column column);

}  // namespace vorlix::wordbase
