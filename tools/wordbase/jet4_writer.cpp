// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_writer.h"

#include <numeric>
#include <stdexcept>

#include "jet4_data_pages.h"
#include "jet4_header_page.h"
#include "jet4_row.h"
#include "jet4_table_definition.h"
#include "jet4_usage_map.h"

namespace vorlix::wordbase::jet4 {
namespace {

// Page plan. Readers look for the global usage map on page 1 and MSysObjects' definition on
// page 2; the rest is this writer's choice. Map pages for a large table come right before its
// data pages.
constexpr uint32_t kGlobalMapPage = 1;
constexpr uint32_t kCatalogDefinitionPage = 2;
constexpr uint32_t kUsageMapRowsPage = 3;
constexpr uint32_t kCatalogRowsPage = 4;
constexpr uint32_t kTableDefinitionPage = 5;
constexpr uint32_t kFirstMapPage = 6;

// Rows of the usage-map page, each a 69-byte map.
enum MapRow : uint8_t {
    kCatalogUsed,
    kCatalogFree,
    kLvPropUsed,
    kLvPropFree,
    kTableUsed,
    kTableFree,
};

// MSysObjects ids and flags as the engine uses them.
constexpr int32_t kRootContainerId = 0x0F000000;
constexpr int32_t kTablesContainerId = 0x0F000001;
constexpr int32_t kSystemObjectFlags = static_cast<int32_t>(0x80000000u);
constexpr int32_t kSystemTableFlags = static_cast<int32_t>(0x80000002u);
constexpr int32_t kContainerType = 3;
constexpr int32_t kTableType = 1;

const std::vector<Column>& catalogColumns()
{
    static const std::vector<Column> columns = {
        {u"Id", ColumnType::Long},    {u"ParentId", ColumnType::Long}, {u"Type", ColumnType::Int},
        {u"Flags", ColumnType::Long}, {u"Name", ColumnType::Text},     {u"LvProp", ColumnType::Ole},
    };
    return columns;
}

Row catalogRow(int32_t id, int32_t parent, int32_t type, int32_t flags, std::u16string name)
{
    return {id, parent, type, flags, std::move(name), Null{}};
}

// Packs the table's rows into data pages, each handed to `full` in turn.
void packTable(const TextTable& table, const TableLayout& layout, const std::function<void(const Page&)>& full)
{
    RowPacker packer(kTableDefinitionPage, full);
    for (size_t i = 0; i < table.rowCount; ++i) {
        const std::vector<std::u16string> texts = table.row(i);
        if (texts.size() != table.columns.size()) throw std::invalid_argument("one text a column");
        packer.add(encodeRow(layout, Row(texts.begin(), texts.end())));
    }
    packer.finish();
}

// The engine's map of unallocated pages, as Access writes it: every page number from the end of
// the file up to the reach of an inline map, then an empty second row.
Page globalMapPage(uint32_t pageCount)
{
    std::vector<uint32_t> unallocated;
    for (uint32_t page = pageCount; page < kInlineMapPages; ++page) unallocated.push_back(page);
    const std::vector<std::vector<uint8_t>> rows = {usageMap(unallocated, 0).row, usageMap({}, 0).row};
    return packRows(rows, kGlobalMapPage).at(0);
}

// How many map pages the table needs once they push its data pages further out.
uint32_t mapPageCount(size_t dataPages)
{
    if (dataPages == 0) return 0;
    uint32_t count = 0;
    while (true) {
        const auto lastPage = static_cast<uint32_t>(kFirstMapPage + count + dataPages - 1);
        const uint32_t needed = mapPagesNeeded(lastPage);
        if (needed <= count) return count;
        count = needed;
    }
}

}  // namespace

std::vector<Page> buildDatabase(const TextTable& table, const std::u16string& password)
{
    std::vector<Column> columns;
    for (const std::u16string& name : table.columns) columns.push_back({name, ColumnType::Text});
    const TableLayout tableLayout(columns);
    size_t dataPageCount = 0;
    packTable(table, tableLayout, [&dataPageCount](const Page&) { ++dataPageCount; });
    if (dataPageCount > kMaxMapPages * kPagesPerMapPage) {
        throw std::length_error("too many rows for one database file");
    }

    const uint32_t mapPages = mapPageCount(dataPageCount);
    const uint32_t firstDataPage = kFirstMapPage + mapPages;
    std::vector<uint32_t> dataPageNumbers(dataPageCount);
    std::iota(dataPageNumbers.begin(), dataPageNumbers.end(), firstDataPage);
    const UsageMap tableMap = usageMap(dataPageNumbers, kFirstMapPage);

    const TableLayout catalogLayout(catalogColumns());
    const std::vector<std::vector<uint8_t>> catalog = {
        encodeRow(catalogLayout,
                  catalogRow(kTablesContainerId, kRootContainerId, kContainerType, kSystemObjectFlags, u"Tables")),
        encodeRow(catalogLayout, catalogRow(kCatalogDefinitionPage, kTablesContainerId, kTableType, kSystemTableFlags,
                                            u"MSysObjects")),
        encodeRow(catalogLayout, catalogRow(kTableDefinitionPage, kTablesContainerId, kTableType, 0, table.name)),
    };

    const std::vector<uint8_t> noPages = usageMap({}, 0).row;
    const uint32_t catalogPage[] = {kCatalogRowsPage};
    std::vector<std::vector<uint8_t>> mapRows(kTableFree + 1, noPages);
    mapRows[kCatalogUsed] = usageMap(catalogPage, 0).row;
    mapRows[kTableUsed] = tableMap.row;

    const auto pageCount = static_cast<uint32_t>(firstDataPage + dataPageCount);
    std::vector<Page> pages;
    pages.reserve(pageCount);
    pages.push_back(headerPage(password, kCreationDate));
    pages.push_back(globalMapPage(pageCount));
    pages.push_back(tableDefinitionPage(
        {catalogLayout,
         true,
         static_cast<uint32_t>(catalog.size()),
         rowPointer(kUsageMapRowsPage, kCatalogUsed),
         rowPointer(kUsageMapRowsPage, kCatalogFree),
         {{rowPointer(kUsageMapRowsPage, kLvPropUsed), rowPointer(kUsageMapRowsPage, kLvPropFree)}}}));
    pages.push_back(packRows(mapRows, 0).at(0));
    pages.push_back(packRows(catalog, kCatalogDefinitionPage).at(0));
    pages.push_back(tableDefinitionPage({tableLayout,
                                         false,
                                         static_cast<uint32_t>(table.rowCount),
                                         rowPointer(kUsageMapRowsPage, kTableUsed),
                                         rowPointer(kUsageMapRowsPage, kTableFree),
                                         {}}));
    pages.insert(pages.end(), tableMap.mapPages.begin(), tableMap.mapPages.end());
    packTable(table, tableLayout, [&pages](const Page& page) { pages.push_back(page); });
    return pages;
}

}  // namespace vorlix::wordbase::jet4
