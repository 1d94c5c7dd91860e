// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {

// Packs encoded rows, in order, into data pages owned by the table whose definition is on page
// `owner`: rows fill each page from its end downwards, at most 255 a page. An empty list
// gives no pages.
std::vector<Page> packRows(std::span<const std::vector<uint8_t>> rows, uint32_t owner);

}  // namespace vorlix::wordbase::jet4
