// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {

struct TableDefinition {
    const TableLayout& layout;
    bool system;
    uint32_t rowCount;      // readers trust it for counting, so it must be exact
    uint32_t usedPagesMap;  // rowPointer()s of the table's usage maps
    uint32_t freePagesMap;
    // Per OLE column, in column order: its long-value pages' used and free maps.
    std::vector<std::pair<uint32_t, uint32_t>> longValueMaps;
};

// The table-definition page, without indexes. Throws std::length_error when it would not fit
// on one page.
Page tableDefinitionPage(const TableDefinition& definition);

}  // namespace vorlix::wordbase::jet4
