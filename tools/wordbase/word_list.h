// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix::wordbase {

// One row of the word table, UTF-8.
struct WordPair {
    std::string category;
    std::string english;
    std::string spanish;

    bool operator==(const WordPair&) const = default;
};

// What the tool has to say about one line of a list. An error keeps the database from being
// written; a warning does not.
struct Diagnostic {
    enum class Kind { Error, Warning };
    Kind kind;
    int line;
    std::string text;

    bool operator==(const Diagnostic&) const = default;
};

struct WordList {
    std::vector<WordPair> pairs;    // in the list's order
    std::vector<Diagnostic> notes;  // in line order
    bool hasErrors() const;
};

// Reads a whole word list as a spreadsheet or an editor saved it (see list_text.h and
// delimited_records.h): one pair a line, the columns category, english and spanish in that
// order, or in the order a first line of these three names gives. Lines whose fields are all
// blank are passed over. English and Spanish must not be blank; every text must fit Jet's
// TEXT(255), counted in UTF-16 units, and must not start with U+FEFF, which Jet4 readers take for
// their compression mark. Categories the program does not offer, and pairs given twice, are warned
// about (list_warnings.h).
WordList readWordList(std::string_view bytes);

}  // namespace vorlix::wordbase
