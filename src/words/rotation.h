// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "words/known_words.h"
#include "words/recordset.h"

namespace vorlix {

// One step of the walk through the word set: the next row, and after the last row the first
// again, so every tick lands on a row (a one-row set keeps showing its row). False when the set
// has no rows, which leaves nothing to show.
bool moveToNextWord(Recordset& words);

// The same step over the rows that are due `today`: a known pair whose day has not come is passed
// over as if it were not in the set. Where no row is due, the plain step, so the window never goes
// blank; with nothing marked, the plain step exactly.
bool moveToNextDueWord(Recordset& words, const KnownWords& known, Day today);

// Whether the current row is due `today`.
bool currentWordDue(const Recordset& words, const KnownWords& known, Day today);

}  // namespace vorlix
