// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

namespace vorlix {

// What a one-line notice in the word window cannot carry, for whoever looks into a problem.
// Silent unless switched on, e.g. QT_LOGGING_RULES="vorlix.*.debug=true":
//   vorlix.words     the word reader: how it ended, why it was ended; its own error output is
//                    then passed on to the program's
//   vorlix.settings  which settings file is used, why a write failed, where no lock can be kept
//   vorlix.fonts     which installed family each font of the design is drawn in
//   vorlix.speech    what the speech service or SAPI said when it could not speak
Q_DECLARE_LOGGING_CATEGORY(wordsLog)
Q_DECLARE_LOGGING_CATEGORY(settingsLog)
Q_DECLARE_LOGGING_CATEGORY(fontsLog)
Q_DECLARE_LOGGING_CATEGORY(speechLog)

}  // namespace vorlix
