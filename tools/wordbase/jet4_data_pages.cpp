// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_data_pages.h"

#include <algorithm>
#include <stdexcept>

#include "words/jet/little_endian.h"

namespace vorlix::wordbase::jet4 {
namespace {

namespace le = jet::le;

constexpr size_t kFreeSpaceOffset = 2;
constexpr size_t kOwnerOffset = 4;
constexpr size_t kRowCountOffset = 12;
constexpr size_t kRowOffsetsStart = 14;
constexpr size_t kMaxRowsPerPage = 255;

class DataPage {
public:
    explicit DataPage(uint32_t owner) : page_{}
    {
        page_[0] = 0x01;
        page_[1] = 0x01;
        le::put32(page_.data() + kOwnerOffset, owner);
        finish();
    }

    bool fits(size_t rowSize) const { return rows_ < kMaxRowsPerPage && rowSize + 2 <= freeSpace(); }

    void add(std::span<const uint8_t> row)
    {
        rowStart_ -= row.size();
        std::copy(row.begin(), row.end(), page_.begin() + static_cast<std::ptrdiff_t>(rowStart_));
        le::put16(page_.data() + kRowOffsetsStart + 2 * rows_, static_cast<uint16_t>(rowStart_));
        ++rows_;
        finish();
    }

    bool empty() const { return rows_ == 0; }
    const Page& page() const { return page_; }

private:
    size_t freeSpace() const { return rowStart_ - kRowOffsetsStart - 2 * rows_; }

    void finish()
    {
        le::put16(page_.data() + kFreeSpaceOffset, static_cast<uint16_t>(freeSpace()));
        le::put16(page_.data() + kRowCountOffset, static_cast<uint16_t>(rows_));
    }

    Page page_;
    size_t rows_ = 0;
    size_t rowStart_ = kPageSize;
};

}  // namespace

std::vector<Page> packRows(std::span<const std::vector<uint8_t>> rows, uint32_t owner)
{
    std::vector<Page> pages;
    DataPage current(owner);
    for (const std::vector<uint8_t>& row : rows) {
        if (!current.fits(row.size())) {
            if (current.empty()) throw std::invalid_argument("a row larger than a page");
            pages.push_back(current.page());
            current = DataPage(owner);
        }
        current.add(row);
    }
    if (!current.empty()) pages.push_back(current.page());
    return pages;
}

}  // namespace vorlix::wordbase::jet4
