// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/recordset.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace vorlix {

Recordset::Recordset(std::vector<std::string> columns) : columns_(std::move(columns)) {}

void Recordset::reserve(size_t streamBytes)
{
    // Words and the category name make fields of ten bytes and more, NUL included.
    constexpr size_t kShortestUsualField = 8;
    // Some systems commit reserved memory at once: past a million words or so, grow instead.
    constexpr size_t kMostReserved = size_t{64} << 20;
    streamBytes = std::min(streamBytes, kMostReserved);
    text_.reserve(streamBytes);
    fieldStarts_.reserve(streamBytes / kShortestUsualField);
}

void Recordset::appendFields(std::string_view stream)
{
    size_t scan = text_.size();
    text_.append(stream);
    while (const void* end = std::memchr(text_.data() + scan, '\0', text_.size() - scan)) {
        fieldStarts_.push_back(nextField_);
        scan = static_cast<size_t>(static_cast<const char*>(end) - text_.data()) + 1;
        nextField_ = scan;
    }
}

bool Recordset::atRowBoundary() const
{
    return nextField_ == text_.size() && (columns_.empty() || fieldStarts_.size() % columns_.size() == 0);
}

void Recordset::MoveNext()
{
    if (!eof()) ++position_;
}

int Recordset::columnIndex(const std::string& name) const
{
    // Jet column names compare without regard to letter case.
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (strcasecmp(columns_[i].c_str(), name.c_str()) == 0) return static_cast<int>(i);
    }
    return -1;
}

std::string_view Recordset::value(int column) const
{
    if (eof() || column < 0 || static_cast<size_t>(column) >= columns_.size()) return {};
    return std::string_view(text_.data() + fieldStarts_[position_ * columns_.size() + static_cast<size_t>(column)]);
}

}  // namespace vorlix
