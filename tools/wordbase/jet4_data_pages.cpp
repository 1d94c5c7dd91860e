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

}  // namespace

RowPacker::RowPacker(uint32_t owner, std::function<void(const Page&)> full) : owner_(owner), full_(std::move(full))
{
    start();
}

void RowPacker::start()
{
    page_ = {};
    page_[0] = 0x01;
    page_[1] = 0x01;
    le::put32(page_.data() + kOwnerOffset, owner_);
    rows_ = 0;
    rowStart_ = kPageSize;
}

size_t RowPacker::freeSpace() const
{
    return rowStart_ - kRowOffsetsStart - 2 * rows_;
}

void RowPacker::add(std::span<const uint8_t> row)
{
    if (rows_ == kMaxRowsPerPage || row.size() + 2 > freeSpace()) {
        if (rows_ == 0) throw std::invalid_argument("a row larger than a page");
        full_(page_);
        start();
    }
    rowStart_ -= row.size();
    std::copy(row.begin(), row.end(), page_.begin() + static_cast<std::ptrdiff_t>(rowStart_));
    le::put16(page_.data() + kRowOffsetsStart + 2 * rows_, static_cast<uint16_t>(rowStart_));
    ++rows_;
    le::put16(page_.data() + kFreeSpaceOffset, static_cast<uint16_t>(freeSpace()));
    le::put16(page_.data() + kRowCountOffset, static_cast<uint16_t>(rows_));
}

void RowPacker::finish()
{
    if (rows_ > 0) full_(page_);
    start();
}

std::vector<Page> packRows(std::span<const std::vector<uint8_t>> rows, uint32_t owner)
{
    std::vector<Page> pages;
    RowPacker packer(owner, [&pages](const Page& page) { pages.push_back(page); });
    for (const std::vector<uint8_t>& row : rows) packer.add(row);
    packer.finish();
    return pages;
}

}  // namespace vorlix::wordbase::jet4
