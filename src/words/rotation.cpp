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

}  // namespace vorlix
