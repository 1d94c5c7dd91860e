// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/jet/jet_row_check.h"

#include <algorithm>

#include "words/jet/little_endian.h"

namespace vorlix::jet {
namespace {

constexpr uint16_t kRowOffsetMask = 0x1FFF;
constexpr uint16_t kDeletedRow = 0x4000;
// The row moved elsewhere; what stands here is the pointer to it, not a row.
constexpr uint16_t kMovedRow = 0x8000;

// Where the two formats keep what the checks need.
struct Layout {
    size_t rowCount;       // on a data page; the row offsets follow it
    size_t maxColumns;     // on a table definition's first page
    size_t columnCount;    // bytes of a row's own column count, at its start
    size_t variableCount;  // bytes of the number of variable-length columns, before the null mask
};

Layout layoutFor(int jetVersion)
{
    return jetVersion == 3 ? Layout{8, 21, 1, 1} : Layout{12, 41, 2, 2};
}

size_t readCount(const uint8_t* at, size_t bytes)
{
    return bytes == 1 ? size_t{*at} : size_t{le::u16(at)};
}

// Each variable-length column starts where the one before it ends, all between the column count
// and the table of their offsets at the row's end, read as libmdb reads it. Sets `fixedPartEnd` to
// where the first of them starts.
std::optional<std::string> variableColumnsProblem(std::span<const uint8_t> row, size_t nullMask, size_t count,
                                                  const Layout& layout, int jetVersion, size_t& fixedPartEnd)
{
    const char* const noRoom = "has no room for its column offsets";
    const char* const outside = "has variable-length columns outside it";
    const size_t size = row.size();
    size_t previous = layout.columnCount;
    if (jetVersion == 3) {
        // One byte an offset, and a "jump" byte for each 256 bytes of row, which says from which
        // column on the offsets count from the next 256.
        size_t jumps = (size - 1) / 256;
        if (size < 2 + nullMask + jumps + count + layout.columnCount) return noRoom;
        const size_t table = size - 2 - nullMask - jumps;
        if ((table - count) / 256 < jumps) --jumps;
        size_t used = 0;
        for (size_t i = 0; i <= count; ++i) {
            while (used < jumps && i == row[size - 2 - nullMask - used]) ++used;
            const size_t at = row[table - i] + used * 256;
            if (at < previous || at > table - count) return outside;
            if (i == 0) fixedPartEnd = at;
            previous = at;
        }
        return std::nullopt;
    }
    const size_t trailer = nullMask + layout.variableCount + 2 * (count + 1);
    if (trailer + layout.columnCount > size) return noRoom;
    for (size_t i = 0; i <= count; ++i) {
        const size_t at = le::u16(row.data() + size - nullMask - 4 - 2 * i);
        if (at < previous || at > size - trailer) return outside;
        if (i == 0) fixedPartEnd = at;
        previous = at;
    }
    return std::nullopt;
}

std::optional<std::string> rowProblem(std::span<const uint8_t> row, const RowShape& shape, const Layout& layout)
{
    if (row.size() < layout.columnCount + 1) return "is too short to be a row";
    const size_t columns = readCount(row.data(), layout.columnCount);
    if (columns == 0) return "holds no columns";
    if (columns > shape.maxColumns)
        return "holds " + std::to_string(columns) + " columns of at most " + std::to_string(shape.maxColumns);
    const size_t nullMask = (columns + 7) / 8;
    if (layout.columnCount + nullMask + layout.variableCount > row.size()) return "has no room for its null mask";

    size_t variable = 0;
    size_t fixedPartEnd = row.size() - nullMask;
    if (shape.variableColumns) {
        variable = readCount(row.data() + row.size() - nullMask - layout.variableCount, layout.variableCount);
        if (variable > columns) return "has more variable-length columns than columns";
        if (auto problem = variableColumnsProblem(row, nullMask, variable, layout, shape.jetVersion, fixedPartEnd))
            return problem;
    }
    const size_t fixedInRow = std::min(columns - variable, shape.fixedColumnEnds.size());
    for (size_t i = 0; i < fixedInRow; ++i) {
        if (layout.columnCount + shape.fixedColumnEnds[i] > fixedPartEnd) return "has fixed-length columns outside it";
    }
    return std::nullopt;
}

}  // namespace

std::optional<size_t> maxColumnsOf(std::span<const uint8_t> definitionPage, int jetVersion)
{
    const Layout layout = layoutFor(jetVersion);
    if (definitionPage.size() < layout.maxColumns + 2) return std::nullopt;
    return le::u16(definitionPage.data() + layout.maxColumns);
}

std::optional<std::string> dataPageProblem(std::span<const uint8_t> page, const RowShape& shape)
{
    const Layout layout = layoutFor(shape.jetVersion);
    const size_t rows = le::u16(page.data() + layout.rowCount);
    const size_t offsetsEnd = layout.rowCount + 2 + 2 * rows;
    if (offsetsEnd > page.size()) return "its row count runs past the page";
    const auto entry = [&](size_t row) { return le::u16(page.data() + layout.rowCount + 2 + 2 * row); };
    const auto rowAt = [](size_t row, const std::string& problem) {
        return "row " + std::to_string(row) + " " + problem;
    };
    for (size_t row = 0; row < rows; ++row) {
        const uint16_t offset = entry(row);
        if (offset & (kDeletedRow | kMovedRow)) continue;
        // A row ends where the one before it on the page starts.
        const size_t start = offset & kRowOffsetMask;
        const size_t end = row == 0 ? page.size() : size_t{entry(row - 1)} & kRowOffsetMask;
        if (start < offsetsEnd || start > end || end > page.size()) return rowAt(row, "lies outside its page");
        if (auto problem = rowProblem(page.subspan(start, end - start), shape, layout)) return rowAt(row, *problem);
    }
    return std::nullopt;
}

}  // namespace vorlix::jet
