// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlix::wordbase {

// One line of a word list: category<TAB>english<TAB>spanish, UTF-8.
struct WordPair {
    std::string category;
    std::string english;
    std::string spanish;

    bool operator==(const WordPair&) const = default;
};

// A line the database could not hold as written. what() reads "line N: reason".
class WordListError : public std::runtime_error {
public:
    WordListError(int line, const std::string& reason);
    int line() const { return line_; }

private:
    int line_;
};

// Parses a whole word list, in order. Lines starting with '#' and empty lines are skipped, a
// trailing CR (Windows line ends) and a UTF-8 byte order mark at the very start are dropped;
// fields are taken as they are, blanks included. Each text must be valid UTF-8, free of NUL,
// at most 255 UTF-16 units long (Jet's TEXT(255)) and not start with U+FEFF, which Jet4 readers
// would mistake for their compression mark. Throws WordListError at the first bad line.
std::vector<WordPair> parseWordList(std::istream& in);

}  // namespace vorlix::wordbase
