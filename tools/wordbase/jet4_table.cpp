// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {
namespace {

uint16_t fixedWidth(ColumnType type)
{
    switch (type) {
    case ColumnType::Int: return 2;
    case ColumnType::Long: return 4;
    case ColumnType::Text:
    case ColumnType::Ole: return 0;
    }
    return 0;
}

uint16_t declaredLength(ColumnType type)
{
    if (type == ColumnType::Text) return static_cast<uint16_t>(2 * kMaxTextLength);
    return fixedWidth(type);  // OLE values are declared with length 0
}

}  // namespace

TableLayout::TableLayout(const std::vector<Column>& columns)
{
    for (const Column& column : columns) {
        ColumnLayout layout{column, static_cast<uint16_t>(columns_.size()), false, 0, 0, declaredLength(column.type)};
        if (const uint16_t width = fixedWidth(column.type)) {
            layout.fixed = true;
            layout.fixedOffset = fixedBytes_;
            fixedBytes_ = static_cast<uint16_t>(fixedBytes_ + width);
        } else {
            layout.varIndex = varCount_++;
        }
        columns_.push_back(std::move(layout));
    }
}

}  // namespace vorlix::wordbase::jet4
