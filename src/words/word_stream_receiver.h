// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "words/recordset.h"

namespace vorlix {

// Builds the recordset from the word reader's stream as its pieces arrive, whatever their size.
class WordStreamReceiver {
public:
    WordStreamReceiver() = default;
    // The stream is expected to be about this long (the database's size is a fair guess).
    explicit WordStreamReceiver(size_t expectedBytes) : expectedBytes_(expectedBytes) {}

    void take(std::string_view piece);
    // The header and only whole rows have come: what a reader that completed has written.
    bool whole() const { return headerTaken_ && recordset_.atRowBoundary(); }
    Recordset& recordset() { return recordset_; }

private:
    size_t expectedBytes_ = 0;
    std::string header_;  // the stream's start, until it holds the whole header
    bool headerTaken_ = false;
    Recordset recordset_;
};

}  // namespace vorlix
