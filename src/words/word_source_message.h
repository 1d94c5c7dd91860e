// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "words/data_control.h"

namespace vorlix {

// The one line the word window shows instead of words when the word source has none to give.
// `folder` is where the database was looked for; `categoryNumber` the category in use.
std::string wordSourceMessage(WordSourceFailure failure, const std::string& detail, const std::string& folder,
                              int categoryNumber);

// The line shown once when the words after the first could not all be read; the ones read stay.
// `folder` as above.
std::string unreadRestMessage(const std::string& detail, const std::string& folder);

// The line for a category whose query returned no rows.
std::string emptyCategoryMessage(int categoryNumber);

// A reason inside a sentence: the system's "Permission denied" reads "permission denied"; an
// abbreviation such as "I/O error" keeps its capital.
std::string inSentence(std::string reason);

}  // namespace vorlix
