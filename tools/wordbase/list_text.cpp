// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_text.h"

#include <array>

#include "platform/legacy_text.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
// How a spreadsheet's own files start: a zip (.xlsx, .ods) or an OLE compound file (.xls).
constexpr std::array<std::string_view, 2> kSpreadsheetFileStarts = {"PK\x03\x04", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"};

const std::string kSpreadsheetFile =
    "is a spreadsheet's own file (such as .xlsx, .ods or .xls), not a list; open it in the spreadsheet and "
    "save it as CSV";
const std::string kNulCharacter =
    "holds NUL characters, so it is not a text file; save the list as CSV or as Unicode text";
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

// The text line by line in the legacy character set, so that a line it cannot read is named.
std::string fromLegacyText(std::string_view bytes)
{
    std::string utf8;
    int line = 1;
    for (size_t start = 0; start < bytes.size(); ++line) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        const auto text = utf8FromLegacyText(bytes.substr(start, end - start));
        if (!text) {
            throw NotText(line, "is neither UTF-8 text nor text in " + legacyCharacterSetName() +
                                    "; save the list with the character set UTF-8 (Excel: \"CSV UTF-8\", "
                                    "LibreOffice: \"Unicode (UTF-8)\")");
        }
        utf8 += *text;
        if (end < bytes.size()) utf8 += '\n';
        start = end + 1;
    }
    return utf8;
}

}  // namespace

ListText listText(std::string_view bytes)
{
    for (const std::string_view start : kSpreadsheetFileStarts) {
        if (bytes.starts_with(start)) throw NotText(1, kSpreadsheetFile);
    }
    if (bytes.starts_with(kUtf16LittleEndianMark)) return {fromUtf16(bytes.substr(2), true), {}};
    if (bytes.starts_with(kUtf16BigEndianMark)) return {fromUtf16(bytes.substr(2), false), {}};
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    int line = 1;
    bool utf8 = true;
    for (size_t start = 0; start < bytes.size(); ++line) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view text = bytes.substr(start, end - start);
        if (text.find('\0') != std::string_view::npos) throw NotText(line, kNulCharacter);
        utf8 = utf8 && jet::utf16FromUtf8(text).has_value();
        start = end + 1;
    }
    if (utf8) return {std::string(bytes), {}};
    return {fromLegacyText(bytes), legacyCharacterSetName()};
}

}  // namespace vorlix::wordbase
