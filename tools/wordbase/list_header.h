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
};

// The header of `text`: its lines that start with '#' before the first line that holds anything
// else. A key or a value the tool does not know is passed over, as Anki passes it over.
ListHeader readListHeader(std::string_view text);

}  // namespace vorlix::wordbase
