// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "word_list.h"

namespace vorlix::wordbase {

// Adds to `list`, after its other notes and in line order, what the database takes but a learner
// may not have meant: a category the program does not offer, said once at its first line, whose
// words show only under "All"; and a pair given twice in one category. `lines[i]` is the line of
// `list.pairs[i]`. Categories are looked at only where the list has a column for them: otherwise
// they are all one, given to the whole list.
void addListWarnings(WordList& list, const std::vector<int>& lines, bool categoryColumn);

// The category name the program offers that `name` most likely means: the same letters and
// digits in any case and spacing, the caption the options dialog shows for it, or a slip of a
// letter or two. None when none is that close.
std::optional<std::string_view> nearestCategory(std::string_view name);

}  // namespace vorlix::wordbase
