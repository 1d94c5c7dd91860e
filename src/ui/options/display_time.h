// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace vorlix {

// The display time `n` (milliseconds) in seconds as the dialog shows it: "5" for 5000, and the
// fraction with the locale's decimal separator for a time that is not whole seconds ("7.5").
QString secondsText(int16_t n);

// The spin control's value for `n`: the whole seconds when `n` is a whole number of seconds
// within the control's range, else nothing (the control then keeps its initial value).
std::optional<int> spinSeconds(int16_t n);

// The seconds a typed text asks for: digits that make a whole number within the spin control's
// range; anything else names no display time.
std::optional<int> typedSeconds(const QString& text);

}  // namespace vorlix
