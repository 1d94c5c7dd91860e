// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_text.h"

#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

const std::string kNulCharacter =
    "holds NUL characters, so it is not a text file; save the list as CSV or as Unicode text";
// Excel's plain "CSV" is in the system's code page: the one mistake every user of it makes.
const std::string kNotUtf8 =
    "is not UTF-8 text; save the list with the character set UTF-8 (Excel: \"CSV UTF-8\", LibreOffice: "
    "\"Unicode (UTF-8)\")";
const std::string kNotUtf16 = "is not valid UTF-16 text; save the list again, as CSV UTF-8 or as Unicode text";

std::string fromUtf16(std::string_view bytes, bool littleEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    int line = 1;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto low = static_cast<unsigned char>(bytes[at + (littleEndian ? 0 : 1)]);
        const auto high = static_cast<unsigned char>(bytes[at + (littleEndian ? 1 : 0)]);
        const auto unit = static_cast<char16_t>(low | high << 8);
        if (unit == u'\0') throw NotText(line, kNulCharacter);
        const bool pairEnds = !units.empty() && jet::isHighSurrogate(units.back());
        if (pairEnds != jet::isLowSurrogate(unit)) throw NotText(line, kNotUtf16);
        if (unit == u'\n') ++line;
        units.push_back(unit);
    }
    if (bytes.size() % 2 != 0 || (!units.empty() && jet::isHighSurrogate(units.back()))) {
        throw NotText(line, kNotUtf16);
    }
    return jet::utf8FromUtf16(units);
}

}  // namespace

std::string utf8Text(std::string_view bytes)
{
    if (bytes.starts_with(kUtf16LittleEndianMark)) return fromUtf16(bytes.substr(2), true);
    if (bytes.starts_with(kUtf16BigEndianMark)) return fromUtf16(bytes.substr(2), false);
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    int line = 1;
    for (size_t start = 0; start < bytes.size(); ++line) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view text = bytes.substr(start, end - start);
        if (text.find('\0') != std::string_view::npos) throw NotText(line, kNulCharacter);
        if (!jet::utf16FromUtf8(text)) throw NotText(line, kNotUtf8);
        start = end + 1;
    }
    return std::string(bytes);
}

}  // namespace vorlix::wordbase
