// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
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

// Enough to see what is wrong with a list; the rest mostly follows from the same cause, so it is
// only counted, and a list of a million bad lines costs no more memory than a good one.
inline constexpr size_t kKeptNotes = 20;

struct WordList {
    std::vector<WordPair> pairs;  // in the list's order
    // The first kKeptNotes errors and the first kKeptNotes warnings, in line order.
    std::vector<Diagnostic> notes;
    size_t errors = 0;  // all of them, kept or not
    size_t warnings = 0;
    // The character set the list was read in when it is no Unicode text (list_text.h), else empty.
    std::string legacyCharacterSet;

    bool hasErrors() const { return errors > 0; }
    // Counts a note, and keeps it, in the words `text()` gives, while fewer of its kind are kept.
    template <typename Text>
    void note(Diagnostic::Kind kind, int line, Text text)
    {
        size_t& count = kind == Diagnostic::Kind::Error ? errors : warnings;
        if (++count <= kKeptNotes) notes.push_back({kind, line, text()});
    }
};

// Reads a whole word list as a spreadsheet, an editor or a flash-card program saved it (see
// list_text.h, list_header.h, list_shape.h and delimited_records.h). One pair a line, in one of
// two shapes that the whole list keeps: the columns category, english and spanish, or english
// and spanish alone, in that order or in the order a first line naming them gives. The pairs of
// a list of two columns take `category`, the program's own spelling of one it offers, or none.
// A category the program offers is stored in its own spelling, however the list writes it
// (offeredCategory). Lines whose fields are all blank are passed over. English and Spanish must
// not be blank; every text must fit Jet's TEXT(255), counted in UTF-16 units, and must not start
// with U+FEFF, which Jet4 readers take for their compression mark. Categories the program does not
// offer, and pairs given twice, are warned about (list_warnings.h).
WordList readWordList(std::string bytes, const std::optional<std::string>& category = std::nullopt);

}  // namespace vorlix::wordbase
