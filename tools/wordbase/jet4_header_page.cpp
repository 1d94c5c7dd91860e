// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_header_page.h"

#include <algorithm>
#include <stdexcept>

#include "words/jet/jet_header.h"
#include "words/jet/little_endian.h"

namespace vorlix::wordbase::jet4 {

namespace header = jet::header;
namespace le = jet::le;

Page headerPage(const std::u16string& password, double creationDate)
{
    if (2 * password.size() > header::kPasswordLengthJet4) {
        throw std::invalid_argument("password longer than 20 characters");
    }
    Page page{};
    std::copy(header::kJetMagic.begin(), header::kJetMagic.end(), page.begin());
    page[header::kVersionOffset] = header::kVersionJet4;
    le::put16(page.data() + header::kCodePageOffset, header::kCodePageWindows1252);
    le::put32(page.data() + header::kSortOrderOffset, header::kSortOrderGeneral);
    le::putF64(page.data() + header::kCreationDateOffset, creationDate);

    // "No password" is stored as the bare mask too: a zeroed field would decode as garbage.
    const auto mask = header::passwordMask(creationDate);
    uint8_t* field = page.data() + header::kPasswordOffset;
    for (size_t i = 0; i < header::kPasswordLengthJet4; ++i) {
        const size_t unit = i / 2;
        const char16_t c = unit < password.size() ? password[unit] : u'\0';
        const auto byte = static_cast<uint8_t>(i % 2 == 0 ? c : c >> 8);
        field[i] = byte ^ mask[i % 4];
    }

    header::scramble(std::span(page).subspan(header::kScrambledOffset, header::kScrambledLengthJet4));
    return page;
}

}  // namespace vorlix::wordbase::jet4
