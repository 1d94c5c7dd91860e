// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {

// One user table of TEXT(255) columns, all values non-NULL. Its rows are asked for one at a time,
// twice (once to count the pages they fill), so that a large table is never held whole in UTF-16
// beside the words it is made from.
struct TextTable {
    std::u16string name;
    std::vector<std::u16string> columns;
    size_t rowCount;
    std::function<std::vector<std::u16string>(size_t)> row;  // the texts of a row, one a column
};

// The creation date written into every file (2024-01-01, in days since 1899-12-30). A fixed
// date keeps builds byte-for-byte reproducible; the password mask follows from it.
inline constexpr double kCreationDate = 45292.0;

// Every page of a Jet4 database holding `table`, protected by `password` ("" for none).
// Throws std::invalid_argument for values or a password the format cannot hold and
// std::length_error for a table too large for it.
std::vector<Page> buildDatabase(const TextTable& table, const std::u16string& password);

}  // namespace vorlix::wordbase::jet4
