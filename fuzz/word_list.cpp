// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for reading a learner's word list, whatever a file holds. Besides not
// crashing, every pair that comes out must be one the database can store, and the notes must be
// as few as are shown.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "jet4_table.h"
#include "word_list.h"
#include "words/jet/unicode.h"

namespace {

bool storable(const std::string& text, bool mayBeEmpty)
{
    const auto units = vorlix::jet::utf16FromUtf8(text);
    return units && units->size() <= vorlix::wordbase::jet4::kMaxTextLength &&
           (mayBeEmpty || text.find_first_not_of(" \t") != std::string::npos) &&
           (units->empty() || units->front() != u'\uFEFF');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& category : {std::optional<std::string>(), std::optional<std::string>("Weather")}) {
        const vorlix::wordbase::WordList list = vorlix::wordbase::readWordList(bytes, category);
        if (list.notes.size() > 2 * vorlix::wordbase::kKeptNotes || list.notes.size() > list.errors + list.warnings)
            std::abort();
        for (const auto& pair : list.pairs) {
            if (!storable(pair.category, true) || !storable(pair.english, false) || !storable(pair.spanish, false))
                std::abort();
        }
    }
    return 0;
}
