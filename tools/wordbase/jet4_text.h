// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlix::wordbase::jet4 {

// The bytes a TEXT value takes in a row: "compressed" (FF FE and one byte a character) when
// every character lies in U+0001..U+00FF and that saves space, else UTF-16LE. Throws
// std::invalid_argument for text no reader could take back unchanged: longer than 255 units, or
// starting with U+FEFF, whose bytes FF FE readers would take for the compression mark.
std::vector<uint8_t> encodeText(std::u16string_view text);

}  // namespace vorlix::wordbase::jet4
