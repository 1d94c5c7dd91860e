// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "words/recordset.h"

namespace vorlix {

// One step of the walk through the word set: the next row, and after the last row the first
// again, so every tick lands on a row (a one-row set keeps showing its row). False when the set
// has no rows, which leaves nothing to show.
bool moveToNextWord(Recordset& words);

}  // namespace vorlix
