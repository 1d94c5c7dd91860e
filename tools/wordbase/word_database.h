// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "word_list.h"

namespace vorlix::wordbase {

// Anything that stops a build; what() is ready to show to the person running it, one problem a
// line, each naming the file it is about.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr size_t kMaxPasswordLength = 20;  // UTF-16 units, as the header holds them

// Where a build writes, and what it does with a database there.
struct Destination {
    // The pairs of the database there, in its order, when the list's pairs are added to them;
    // none when the new database replaces it.
    std::optional<std::vector<WordPair>> heldPairs;
    // Whether the database replaced is first kept under the next free name of its series
    // ("reg-previous.ocx" for reg.ocx, see keptAsideName), as the learner's own is: any file may
    // then be replaced, since none is overwritten.
    bool keepReplaced = false;
    // Whether the folder is made where it is missing, as the learner's own is.
    bool makeFolder = false;
};

// A word list read and found fit to be built.
struct CheckedList {
    std::string path;
    std::vector<WordPair> pairs;
    // "LIST: read as ..." when the list is no Unicode text (list_text.h), else empty.
    std::string characterSetNote;
    std::vector<std::string> warnings;  // "LIST:LINE: warning: ...", in line order; the first few
};

// A build that went through, or found nothing to write.
struct BuildReport {
    size_t listPairs = 0;    // the pairs of the list
    size_t alreadyHeld = 0;  // of those, the pairs the database added to held already
    size_t pairs = 0;        // the pairs of the database written
    size_t categories = 0;   // its categories with a name
    std::string keptAs;      // where the database replaced was kept, if it was
    // Nothing is written when the list holds no pair, nor when every one of them is held already.
    bool written() const { return pairs > 0; }
};

// Reads the word list at `wordsPath` (word_list.h); the pairs of a list of two columns take
// `category`. Paths are UTF-8. Throws BuildError, naming the lines of the list that keep it from
// being built ("LIST:LINE: error: ...", the first few), after the character set note where there
// is one.
CheckedList readCheckedList(const std::string& wordsPath, const std::optional<std::string>& category = std::nullopt);

// Writes the list's pairs as the Jet4 table `word` (category, english, spanish) to `outPath`,
// protected by `password` ("" for none). Added to an existing database's pairs, the list's leave
// out those it holds already: the same english and spanish in the same category (sameCategory).
// The file is written under a temporary name in the same folder and renamed only when complete,
// so a failed build leaves whatever was at `outPath` untouched; unless it is kept aside first, a
// file there that is not an Access database, the list itself among them, is never replaced.
// Throws BuildError naming the file that keeps it from being written.
BuildReport writeWordDatabase(const CheckedList& list, const std::string& outPath, const std::string& password,
                              const Destination& destination = {});

// Both at once.
inline BuildReport buildWordDatabase(const std::string& wordsPath, const std::string& outPath,
                                     const std::string& password,
                                     const std::optional<std::string>& category = std::nullopt)
{
    return writeWordDatabase(readCheckedList(wordsPath, category), outPath, password);
}

}  // namespace vorlix::wordbase
