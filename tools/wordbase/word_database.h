// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlix::wordbase {

// Anything that stops a build; what() is ready to show to the person running it, one problem a
// line, each naming the file it is about.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr size_t kMaxPasswordLength = 20;  // UTF-16 units, as the header holds them

// A build that went through.
struct BuildReport {
    // "LIST: read as ..." when the list is no Unicode text (list_text.h), else empty.
    std::string characterSetNote;
    std::vector<std::string> warnings;  // "LIST:LINE: warning: ...", in line order; the first few
    size_t pairs = 0;
    size_t categories = 0;  // those with a name
};

// Writes the word list at `wordsPath` (word_list.h) as the Jet4 table `word` (category, english,
// spanish) to `outPath`, protected by `password` ("" for none); the pairs of a list of two
// columns take `category`. The file is written under a temporary name in the same folder and
// renamed only when complete, so a failed build leaves whatever was at `outPath` untouched; a
// file there that is not an Access database, the list itself among them, is never replaced.
// Paths are UTF-8. Throws BuildError, naming the lines of the list that keep it from being built
// ("LIST:LINE: error: ...", the first few), after the character set note where there is one.
BuildReport buildWordDatabase(const std::string& wordsPath, const std::string& outPath, const std::string& password,
                              const std::optional<std::string>& category = std::nullopt);

// Makes the folder `outPath` is to go into where it is missing. Throws BuildError when it cannot.
void makeFolderFor(const std::string& outPath);

}  // namespace vorlix::wordbase
