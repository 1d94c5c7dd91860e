// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_table_definition.h"

#include <stdexcept>

#include "words/jet/jet_header.h"
#include "words/jet/little_endian.h"

namespace vorlix::wordbase::jet4 {
namespace {

namespace le = jet::le;

constexpr uint32_t kJet4Marker = 1625;  // every Jet4 definition and column entry carries it
constexpr uint8_t kUserTable = 0x4E;
constexpr uint8_t kSystemTable = 0x53;
constexpr uint8_t kFixedFlag = 0x01;
constexpr uint8_t kUpdatableFlag = 0x02;
constexpr uint8_t kCompressedUnicode = 0x01;
constexpr size_t kColumnsStart = 63;  // no index entries precede the columns
constexpr size_t kColumnEntrySize = 25;

class Cursor {
public:
    explicit Cursor(Page& page, size_t at) : page_(page), at_(at) {}

    void u8(uint8_t v)
    {
        reserve(1);
        page_[at_++] = v;
    }
    void u16(uint16_t v)
    {
        reserve(2);
        le::put16(page_.data() + at_, v);
        at_ += 2;
    }
    void u32(uint32_t v)
    {
        reserve(4);
        le::put32(page_.data() + at_, v);
        at_ += 4;
    }
    size_t at() const { return at_; }

private:
    void reserve(size_t n)
    {
        if (at_ + n > kPageSize) throw std::length_error("table definition larger than a page");
    }

    Page& page_;
    size_t at_;
};

void putColumnEntry(Cursor& out, const ColumnLayout& column)
{
    const bool text = column.column.type == ColumnType::Text;
    out.u8(static_cast<uint8_t>(column.column.type));
    out.u32(kJet4Marker);
    out.u16(column.number);
    out.u16(column.varIndex);
    out.u16(column.number);
    out.u32(jet::header::kSortOrderGeneral);
    out.u8(static_cast<uint8_t>(kUpdatableFlag | (column.fixed ? kFixedFlag : 0)));
    out.u8(text ? kCompressedUnicode : 0);
    out.u32(0);
    out.u16(column.fixedOffset);
    out.u16(column.length);
}

void putName(Cursor& out, const std::u16string& name)
{
    out.u16(static_cast<uint16_t>(2 * name.size()));
    for (const char16_t c : name) out.u16(c);
}

}  // namespace

Page tableDefinitionPage(const TableDefinition& definition)
{
    const auto& columns = definition.layout.columns();
    const auto columnCount = static_cast<uint16_t>(columns.size());
    Page page{};
    page[0] = 0x02;
    page[1] = 0x01;
    le::put32(page.data() + 12, kJet4Marker);
    le::put32(page.data() + 16, definition.rowCount);
    page[24] = 0x01;
    page[40] = definition.system ? kSystemTable : kUserTable;
    le::put16(page.data() + 41, columnCount);  // highest column number in use + 1
    le::put16(page.data() + 43, definition.layout.varCount());
    le::put16(page.data() + 45, columnCount);
    le::put32(page.data() + 55, definition.usedPagesMap);
    le::put32(page.data() + 59, definition.freePagesMap);

    Cursor out(page, kColumnsStart);
    for (const ColumnLayout& column : columns) putColumnEntry(out, column);
    for (const ColumnLayout& column : columns) putName(out, column.column.name);
    for (size_t i = 0, ole = 0; i < columns.size(); ++i) {
        if (columns[i].column.type != ColumnType::Ole) continue;
        const auto& [used, free] = definition.longValueMaps.at(ole++);
        out.u16(columns[i].number);
        out.u32(used);
        out.u32(free);
    }
    out.u16(0xFFFF);

    const size_t length = out.at();
    le::put16(page.data() + 2, static_cast<uint16_t>(kPageSize - length - 8));
    le::put32(page.data() + 8, static_cast<uint32_t>(length));
    return page;
}

}  // namespace vorlix::wordbase::jet4
