// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings_store.h"

namespace vorlix {

// The in-memory settings, one variable a stored key, shared by the word window, the options
// dialog and the start-up entry. Filled once at start, edited only by the options dialog.
struct Module1 {
    int16_t n = 5000;            // display time of one word, ms
    int16_t psave = 1;           // carries no behaviour; written back unchanged
    int16_t ssave = 1;           // 1: the options dialog stores everything when it closes
    int16_t ontop = 1;           // non-zero: the word window is topmost
    std::string guage = "29";    // the category number as text
    int16_t mark = 0;            // 1: start at log-on
    std::string xxx = "1";       // initialised marker
    std::string categoryFilter;  // the chosen category's name in single quotes, for the query
};

// Writes the first-run values: "n", "psave", "ssave", "ontop", "guage", "mark", "xxx".
bool InitDefaultSettings(SettingsStore& store);

// Reads the seven keys into `m`. A number key that is missing, empty, not a decimal 16-bit integer
// (or, for "n", not positive) takes its first-run value.
void LoadSettings(const SettingsStore& store, Module1& m);

// The full save: "ce", "n", "rd", "ontop", "psave", "ssave", "guage", "mark", "xxx", "sspeed".
// Returns false when any write failed (every write is still attempted).
bool SaveAllSettings(SettingsStore& store, const Module1& m);

// Stores "ssave" alone.
bool SaveSsaveOnly(SettingsStore& store, const Module1& m);

// A strict decimal 16-bit signed integer: optional "-", digits only, within range.
std::optional<int16_t> parseInt16(std::string_view text);

}  // namespace vorlix
