// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {

// One row in Jet4's on-page form: column count, fixed values, variable data, then from the end
// backwards the null mask, variable-column count and offsets. `row` holds one value a column;
// a Null leaves its bit clear (a NULL variable column still gets an empty offset entry).
// Throws std::invalid_argument when a value does not suit its column's type.
std::vector<uint8_t> encodeRow(const TableLayout& layout, const Row& row);

}  // namespace vorlix::wordbase::jet4
