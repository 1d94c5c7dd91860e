// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {

// Packs encoded rows, in order, into data pages owned by the table whose definition is on page
// `owner`: rows fill each page from its end downwards, at most 255 a page. Each page goes to
// `full` as soon as it is, so that a large table is never held as rows and as pages at once.
class RowPacker {
public:
    RowPacker(uint32_t owner, std::function<void(const Page&)> full);
    void add(std::span<const uint8_t> row);
    // Hands on the last page, where it holds a row.
    void finish();

private:
    uint32_t owner_;
    std::function<void(const Page&)> full_;
    Page page_;
    size_t rows_ = 0;
    size_t rowStart_ = kPageSize;

    void start();
    size_t freeSpace() const;
};

// The pages `rows` fill. An empty list gives no pages.
std::vector<Page> packRows(std::span<const std::vector<uint8_t>> rows, uint32_t owner);

}  // namespace vorlix::wordbase::jet4
