// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {

// A usage map tells readers which pages belong to a table. Its 69-byte row either holds a
// bitmap itself (type 0, pages 0..511 only) or names separate map pages (type 1), each covering
// 32736 pages, at most 17 of them.
inline constexpr uint32_t kInlineMapPages = 512;
inline constexpr uint32_t kPagesPerMapPage = (kPageSize - 4) * 8;
inline constexpr uint32_t kMaxMapPages = 17;

struct UsageMap {
    std::vector<uint8_t> row;
    std::vector<Page> mapPages;  // to be stored at firstMapPage, firstMapPage + 1, ...
};

// The number of map pages a table whose highest page is `lastPage` needs: 0 when the inline
// bitmap covers it.
uint32_t mapPagesNeeded(uint32_t lastPage);

// A map marking `pages` (ascending) as used. Throws std::length_error when even 17 map
// pages cannot cover them.
UsageMap usageMap(std::span<const uint32_t> pages, uint32_t firstMapPage);

}  // namespace vorlix::wordbase::jet4
