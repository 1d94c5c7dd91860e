// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_text.h"

#include <algorithm>
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
const std::string kSaveAsUtf8 =
    "save the list with the character set UTF-8 (Excel: \"CSV UTF-8\", LibreOffice: \"Unicode (UTF-8)\")";
const std::string kNotUtf8Here =
    "is UTF-8 text, but this line is not, so its letters would be garbled; type them again, or " + kSaveAsUtf8;

// The line `at` is on, counting line ends as the list's records do: LF, CRLF or CR.
int lineAt(std::string_view text, size_t at)
{
    int line = 1;
    for (size_t i = 0; i < at && i < text.size(); ++i) {
        line += text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
    }
    return line;
}

struct Utf8Scan {
    size_t firstInvalid = std::string_view::npos;
    bool multiByte = false;  // whether a well-formed sequence of more than one byte is anywhere
};

Utf8Scan scanUtf8(std::string_view text)
{
    Utf8Scan scan;
    for (size_t at = 0; at < text.size();) {
        const std::optional<jet::Utf8Character> c = jet::decodeUtf8(text.substr(at));
        if (!c && scan.firstInvalid == std::string_view::npos) scan.firstInvalid = at;
        scan.multiByte = scan.multiByte || (c && c->length > 1);
        at += c ? c->length : 1;
    }
    return scan;
}

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

// The text in the legacy character set; where that fails, its first line that is no text in it
// is named.
std::string fromLegacyText(std::string_view bytes)
{
    if (auto utf8 = utf8FromLegacyText(bytes)) return std::move(*utf8);
    size_t start = 0;
    for (size_t end; start < bytes.size(); start = end + 1) {
        end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        if (!utf8FromLegacyText(bytes.substr(start, end - start))) break;
    }
    throw NotText(lineAt(bytes, start),
                  "is neither UTF-8 text nor text in " + legacyCharacterSetName() + "; " + kSaveAsUtf8);
}

}  // namespace

ListText listText(std::string bytes)
{
    for (const std::string_view start : kSpreadsheetFileStarts) {
        if (bytes.starts_with(start)) throw NotText(1, kSpreadsheetFile);
    }
    if (bytes.starts_with(kUtf16LittleEndianMark)) return {fromUtf16(std::string_view(bytes).substr(2), true), {}};
    if (bytes.starts_with(kUtf16BigEndianMark)) return {fromUtf16(std::string_view(bytes).substr(2), false), {}};
    const bool marked = bytes.starts_with(kUtf8ByteOrderMark);
    if (marked) bytes.erase(0, kUtf8ByteOrderMark.size());
    if (const size_t nul = bytes.find('\0'); nul != std::string::npos) throw NotText(lineAt(bytes, nul), kNulCharacter);
    const Utf8Scan scan = scanUtf8(bytes);
    if (scan.firstInvalid == std::string_view::npos) return {std::move(bytes), {}};
    if (marked || scan.multiByte) throw NotText(lineAt(bytes, scan.firstInvalid), kNotUtf8Here);
    return {fromLegacyText(bytes), legacyCharacterSetName()};
}

}  // namespace vorlix::wordbase
