// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The in-memory shape of a Jet4 table as the writer lays it out: which columns are fixed-width,
// where each sits in a row, and the values one row holds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vorlix::wordbase::jet4 {

inline constexpr size_t kPageSize = 4096;
using Page = std::array<uint8_t, kPageSize>;

enum class ColumnType : uint8_t { Int = 0x03, Long = 0x04, Text = 0x0A, Ole = 0x0B };

// Jet4 counts text length in UTF-16 code units; TEXT(255) takes 510 bytes in the definition.
inline constexpr size_t kMaxTextLength = 255;

struct Column {
    std::u16string name;
    ColumnType type;
};

struct ColumnLayout {
    Column column;
    uint16_t number;  // also the column's bit in the row's null mask
    bool fixed;
    uint16_t fixedOffset;  // fixed columns: where the value sits after the row's column count
    uint16_t varIndex;     // variable columns: which offset entry points at the value
    uint16_t length;       // bytes: the fixed width, or the most a TEXT value may take
};

class TableLayout {
public:
    explicit TableLayout(const std::vector<Column>& columns);

    const std::vector<ColumnLayout>& columns() const { return columns_; }
    uint16_t fixedBytes() const { return fixedBytes_; }
    uint16_t varCount() const { return varCount_; }

private:
    std::vector<ColumnLayout> columns_;
    uint16_t fixedBytes_ = 0;
    uint16_t varCount_ = 0;
};

struct Null {};
using Value = std::variant<Null, int32_t, std::u16string>;
using Row = std::vector<Value>;

// A usage-map row's address as a table definition stores it: (page << 8) | row.
inline uint32_t rowPointer(uint32_t page, uint8_t row)
{
    return (page << 8) | row;
}

}  // namespace vorlix::wordbase::jet4
