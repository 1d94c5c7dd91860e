// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_usage_map.h"

#include <stdexcept>

#include "words/jet/little_endian.h"

namespace vorlix::wordbase::jet4 {
namespace {

constexpr size_t kMapRowSize = 69;
constexpr size_t kBitmapOffset = 5;   // type 0: after the type byte and the start page
constexpr size_t kMapPageHeader = 4;  // 05 01 00 00

void setBit(uint8_t* bitmap, uint32_t bit)
{
    bitmap[bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
}

}  // namespace

uint32_t mapPagesNeeded(uint32_t lastPage)
{
    return lastPage < kInlineMapPages ? 0 : lastPage / kPagesPerMapPage + 1;
}

UsageMap usageMap(std::span<const uint32_t> pages, uint32_t firstMapPage)
{
    UsageMap map;
    map.row.assign(kMapRowSize, 0);
    const uint32_t mapPages = pages.empty() ? 0 : mapPagesNeeded(pages.back());
    if (mapPages == 0) {
        // Type 0 with start page 0: bit n stands for page n.
        for (const uint32_t page : pages) setBit(map.row.data() + kBitmapOffset, page);
        return map;
    }
    if (mapPages > kMaxMapPages) throw std::length_error("too many pages for a usage map");
    map.row[0] = 0x01;
    map.mapPages.resize(mapPages, Page{});
    for (uint32_t k = 0; k < mapPages; ++k) {
        Page& page = map.mapPages[k];
        page[0] = 0x05;
        page[1] = 0x01;
        jet::le::put32(map.row.data() + 1 + 4 * k, firstMapPage + k);
    }
    for (const uint32_t page : pages) {
        setBit(map.mapPages[page / kPagesPerMapPage].data() + kMapPageHeader, page % kPagesPerMapPage);
    }
    return map;
}

}  // namespace vorlix::wordbase::jet4
