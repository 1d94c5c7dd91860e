// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace vorlix::wordbase {

// What the lines "#key:value" at the head of a list say of the rest, as Anki writes them when it
// exports "Notes in Plain Text": "#separator:tab", "#html:true", "#tags column:3" and the like.
// Other lists have none, and their comments say nothing to the tool.
struct ListHeader {
    std::optional<char> separator;
    // The fields are HTML, to be reduced to the text they show (html_text.h).
    bool html = false;
    // The columns, counting from 0, that hold no word: Anki's tags, deck, note type and unique id.
    std::set<size_t> leftOut;
    // The names of the columns, as "#columns:" gives them, not yet split.
    std::optional<std::string> columns;
    int columnsLine = 0;
    // Where the lines of words start, past the header: a byte of the text and its line.
    size_t bodyStart = 0;
    int bodyLine = 1;
};

// The header of `text`: the lines at its head that start with '#'. A line "#key:value" with a key
// Anki writes is a header line; a value the tool does not know is passed over, as Anki passes it
// over. Any other such line is a comment, in a list without Anki's header lines; in one with them,
// it is the first note, whose id may start with '#', since Anki writes no comments.
ListHeader readListHeader(std::string_view text);

}  // namespace vorlix::wordbase
