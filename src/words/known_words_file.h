// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "words/known_words.h"

namespace vorlix {

// The file of the words the learner knows, in their own folder beside their own word database,
// where installing, upgrading and removing the program never reach. It is read once and written
// whole or not at all, only when the learner marks or forgets.
class KnownWordsFile {
public:
    static constexpr const char* kName = "known-words.txt";

    // `folder` is the learner's; none where the system names no such folder.
    explicit KnownWordsFile(std::optional<std::string> folder) : folder_(std::move(folder)) {}
    std::string path() const;

    // Fills `words` from the file; no file is no words. What of it cannot be read is kept aside at
    // once, and the lines that were read are written back alone, so that the window says so once
    // rather than at every start. The line for the window; empty when all was read.
    std::string read(KnownWords& words);
    // Empty when written, else the line for the window.
    std::string write(const KnownWords& words);

private:
    std::optional<std::string> folder_;
    // Why nothing is written: a file that could not be read, nor moved aside, is not overwritten.
    std::string refusal_;
};

}  // namespace vorlix
