// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/logging.h"

namespace vorlix {

// Info and above by default: everything logged here is debug output, so nothing shows unasked.
Q_LOGGING_CATEGORY(wordsLog, "vorlix.words", QtInfoMsg)
Q_LOGGING_CATEGORY(settingsLog, "vorlix.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(fontsLog, "vorlix.fonts", QtInfoMsg)
Q_LOGGING_CATEGORY(speechLog, "vorlix.speech", QtInfoMsg)

}  // namespace vorlix
