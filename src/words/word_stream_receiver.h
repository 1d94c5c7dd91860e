#pragma once

#include <string>
#include <string_view>

#include "words/recordset.h"

namespace vorlix {

// Builds the recordset from the word reader's stream as its pieces arrive, whatever their size.
class WordStreamReceiver {
public:
    void take(std::string_view piece);
    // The header and only whole rows have come: what a reader that completed has written.
    bool whole() const { return headerTaken_ && recordset_.atRowBoundary(); }
    Recordset& recordset() { return recordset_; }

private:
    std::string header_;  // the stream's start, until it holds the whole header
    bool headerTaken_ = false;
    Recordset recordset_;
};

}  // namespace vorlix
