// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "words/known_words.h"

namespace vorlix {

// Today in the learner's time zone. VORLIX_TODAY=YYYY-MM-DD sets another day, for tests that follow
// a pair through the days it stays away.
Day today();

}  // namespace vorlix
