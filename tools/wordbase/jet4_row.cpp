// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_row.h"

#include <stdexcept>

#include "jet4_text.h"
#include "words/jet/little_endian.h"

namespace vorlix::wordbase::jet4 {
namespace {

namespace le = jet::le;

constexpr size_t kColumnCountBytes = 2;

void putFixed(uint8_t* at, const ColumnLayout& column, const Value& value)
{
    if (std::holds_alternative<Null>(value)) return;
    const int32_t* number = std::get_if<int32_t>(&value);
    if (!number) throw std::invalid_argument("a fixed column holds a number");
    if (column.column.type == ColumnType::Int) {
        le::put16(at, static_cast<uint16_t>(*number));
    } else {
        le::put32(at, static_cast<uint32_t>(*number));
    }
}

std::vector<uint8_t> variableBytes(const ColumnLayout& column, const Value& value)
{
    if (std::holds_alternative<Null>(value)) return {};
    const std::u16string* text = std::get_if<std::u16string>(&value);
    if (!text || column.column.type != ColumnType::Text) {
        throw std::invalid_argument("only TEXT variable columns hold values");
    }
    return encodeText(*text);
}

}  // namespace

std::vector<uint8_t> encodeRow(const TableLayout& layout, const Row& row)
{
    const auto& columns = layout.columns();
    if (row.size() != columns.size()) throw std::invalid_argument("one value a column");

    std::vector<uint8_t> bytes(kColumnCountBytes + layout.fixedBytes());
    le::put16(bytes.data(), static_cast<uint16_t>(columns.size()));
    std::vector<uint16_t> varOffsets(layout.varCount());
    std::vector<uint8_t> nullMask((columns.size() + 7) / 8);

    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnLayout& column = columns[i];
        if (!std::holds_alternative<Null>(row[i])) {
            nullMask[column.number / 8] |= static_cast<uint8_t>(1u << (column.number % 8));
        }
        if (column.fixed) {
            putFixed(bytes.data() + kColumnCountBytes + column.fixedOffset, column, row[i]);
        } else {
            varOffsets[column.varIndex] = static_cast<uint16_t>(bytes.size());
            const std::vector<uint8_t> data = variableBytes(column, row[i]);
            bytes.insert(bytes.end(), data.begin(), data.end());
        }
    }

    const auto put16 = [&bytes](uint16_t v) {
        bytes.push_back(static_cast<uint8_t>(v));
        bytes.push_back(static_cast<uint8_t>(v >> 8));
    };
    put16(static_cast<uint16_t>(bytes.size()));  // where the last variable value ends
    for (auto it = varOffsets.rbegin(); it != varOffsets.rend(); ++it) put16(*it);
    put16(layout.varCount());
    bytes.insert(bytes.end(), nullMask.begin(), nullMask.end());
    return bytes;
}

}  // namespace vorlix::wordbase::jet4
