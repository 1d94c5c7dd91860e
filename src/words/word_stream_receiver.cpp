// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/word_stream_receiver.h"

#include "words/word_stream.h"

namespace vorlix {

void WordStreamReceiver::take(std::string_view piece)
{
    if (headerTaken_) {
        recordset_.appendFields(piece);
        return;
    }
    header_ += piece;
    if (const auto header = word_stream::parseHeader(header_)) {
        recordset_ = Recordset(header->columns);
        recordset_.reserve(expectedBytes_);
        recordset_.appendFields(std::string_view(header_).substr(header->length));
        headerTaken_ = true;
        header_ = std::string();
    }
}

}  // namespace vorlix
