// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jet4_text.h"

#include <algorithm>
#include <stdexcept>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {
namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;

// Readers switch between one-byte and two-byte characters at each 00 byte; text without U+0000
// and above U+00FF never needs a switch, and at two characters or fewer the mark eats the gain.
bool compressible(std::u16string_view text)
{
    return text.size() > 2 && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x01 && c <= 0xFF; });
}

}  // namespace

std::vector<uint8_t> encodeText(std::u16string_view text)
{
    if (text.size() > kMaxTextLength) {
        throw std::invalid_argument("text longer than 255 characters");
    }
    if (!text.empty() && text.front() == kByteOrderMark) {
        throw std::invalid_argument("text starts with U+FEFF");
    }
    std::vector<uint8_t> bytes;
    if (compressible(text)) {
        bytes.reserve(2 + text.size());
        bytes.push_back(0xFF);
        bytes.push_back(0xFE);
        for (const char16_t c : text) bytes.push_back(static_cast<uint8_t>(c));
    } else {
        bytes.reserve(2 * text.size());
        for (const char16_t c : text) {
            bytes.push_back(static_cast<uint8_t>(c));
            bytes.push_back(static_cast<uint8_t>(c >> 8));
        }
    }
    return bytes;
}

}  // namespace vorlix::wordbase::jet4
