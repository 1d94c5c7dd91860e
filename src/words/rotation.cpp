// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/rotation.h"

namespace vorlix {

bool moveToNextWord(Recordset& words)
{
    if (!words.eof()) words.MoveNext();
    if (words.eof()) words.MoveFirst();
    return !words.eof();
}

bool moveToNextDueWord(Recordset& words, const KnownWords& known, Day today)
{
    // A whole round that finds no row due ends where it began, and the plain step follows.
    for (size_t step = 0; step < words.RecordCount(); ++step) {
        if (!moveToNextWord(words)) return false;
        if (currentWordDue(words, known, today)) return true;
    }
    return moveToNextWord(words);
}

bool currentWordDue(const Recordset& words, const KnownWords& known, Day today)
{
    return known.empty() ||
           known.isDue(words.value(words.columnIndex("english")), words.value(words.columnIndex("spanish")), today);
}

}  // namespace vorlix
