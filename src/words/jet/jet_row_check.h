// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// libmdb takes a row apart by the offsets on its data page and by what the row says of its own
// columns, and trusts both: a row whose column count or column offsets are garbage comes out as a
// row of empty values, or is dropped without a word, so that a file whose rows are all damaged
// reads as an empty table. These checks tell such rows apart from sound ones, as far as libmdb
// relies on them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorlix::jet {

// What a table's definition says of its rows.
struct RowShape {
    int jetVersion = 4;
    // The most columns a row holds: the table's columns and those deleted since.
    size_t maxColumns = 0;
    bool variableColumns = false;
    // Where each fixed-length column ends within a row's fixed part, in the table's column order.
    std::vector<size_t> fixedColumnEnds;
};

// The most columns a row holds, from the first page of a table's definition; empty when the page
// is too short to say.
std::optional<size_t> maxColumnsOf(std::span<const uint8_t> definitionPage, int jetVersion);

// Empty when libmdb can take every row of the data page apart as `shape` says; else what is wrong
// with the first row that it cannot, "row N ...".
std::optional<std::string> dataPageProblem(std::span<const uint8_t> page, const RowShape& shape);

}  // namespace vorlix::jet
