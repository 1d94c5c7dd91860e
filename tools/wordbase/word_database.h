// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace vorlix::wordbase {

// Anything that stops a build; what() is ready to show to the person running it.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr size_t kMaxPasswordLength = 20;  // UTF-16 units, as the header holds them

// Writes the word list at `wordsPath` as the Jet4 table `word` (category, english, spanish)
// to `outPath`, protected by `password` ("" for none). The file is written under a temporary
// name in the same folder and renamed only when complete, so a failed build leaves whatever
// was at `outPath` untouched. Throws BuildError.
void buildWordDatabase(const std::string& wordsPath, const std::string& outPath, const std::string& password);

}  // namespace vorlix::wordbase
