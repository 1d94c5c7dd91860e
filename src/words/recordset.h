// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The open result of the word query with a current position. Past the last row (EOF; named in
// lower case since <cstdio> takes the upper-case name as a macro) there is no current row and
// every column reads as "".
//
// Rows arrive as the word reader writes them: fields ending in NUL, a field a column. They are
// kept that way, in one block of text, so that a large set costs little more than its text.
class Recordset {
public:
    Recordset() = default;
    explicit Recordset(std::vector<std::string> columns);

    // Room for a stream of about this many bytes, taken up front: growing a large set piece by
    // piece would copy it again and again. Room that is never filled is never touched.
    void reserve(size_t streamBytes);
    // Takes more of the stream; it may end inside a field, which the next piece completes.
    void appendFields(std::string_view stream);
    // Whether the stream so far ends between two rows.
    bool atRowBoundary() const;

    bool eof() const { return position_ >= RecordCount(); }
    void MoveFirst() { position_ = 0; }
    void MoveNext();

    size_t RecordCount() const { return columns_.empty() ? 0 : fieldStarts_.size() / columns_.size(); }
    // -1 when the result has no such column.
    int columnIndex(const std::string& name) const;
    std::string_view value(int column) const;

private:
    std::vector<std::string> columns_;
    std::string text_;
    std::vector<size_t> fieldStarts_;  // of every complete field, in text_
    size_t nextField_ = 0;             // where in text_ the field being received starts
    size_t position_ = 0;
};

}  // namespace vorlix
