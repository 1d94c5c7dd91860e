// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for what the program makes of the word reader's output. Whatever bytes come,
// in whatever pieces, they give whole rows or none, and no value reads outside the text.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "words/word_stream_receiver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    // The first byte says where the pipe splits the rest.
    const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t cut = std::min<size_t>(data[0], stream.size());
    vorlix::WordStreamReceiver receiver(stream.size());
    receiver.take(stream.substr(0, cut));
    receiver.take(stream.substr(cut));
    (void)receiver.whole();
    vorlix::Recordset& set = receiver.recordset();
    size_t total = 0;
    for (set.MoveFirst(); !set.eof(); set.MoveNext()) {
        for (int column = -1; column <= 256; ++column) total += set.value(column).size();
    }
    return total > stream.size() * 257 ? -1 : 0;
}
