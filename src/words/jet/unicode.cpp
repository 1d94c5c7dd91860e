// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/jet/unicode.h"

#include <array>

namespace vorlix::jet {
namespace {

void appendUtf8(std::string& out, char32_t cp)
{
    char bytes[4];
    out.append(bytes, encodeUtf8(cp, bytes));
}

// 0x80..0x9F of code page 1252; 0 marks the five bytes it leaves unassigned.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

size_t encodeUtf8(char32_t cp, char (&bytes)[4])
{
    if (cp < 0x80) {
        bytes[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
        bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
        bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    bytes[0] = static_cast<char>(0xF0 | (cp >> 18));
    bytes[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    bytes[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    bytes[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

std::optional<char32_t> fromWindows1252(unsigned char byte)
{
    if (byte < 0x80 || byte > 0x9F) return byte;
    if (const char16_t assigned = kWindows1252High[byte - 0x80]) return assigned;
    return std::nullopt;
}

std::optional<Utf8Character> decodeUtf8(std::string_view utf8)
{
    if (utf8.empty()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (lead < 0x80) return Utf8Character{lead, 1};
    const size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || utf8.size() < length) return std::nullopt;
    char32_t cp = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || isHighSurrogate(cp) || isLowSurrogate(cp)) return std::nullopt;
    return Utf8Character{cp, length};
}

std::optional<std::u16string> utf16FromUtf8(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const std::optional<Utf8Character> c = decodeUtf8(utf8.substr(i));
        if (!c) return std::nullopt;
        if (c->cp >= 0x10000) {
            const char32_t above = c->cp - 0x10000;
            out += static_cast<char16_t>(0xD800 + (above >> 10));
            out += static_cast<char16_t>(0xDC00 + (above & 0x3FF));
        } else {
            out += static_cast<char16_t>(c->cp);
        }
        i += c->length;
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        if (isHighSurrogate(unit) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1])) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::string utf8FromWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        // The five unassigned bytes stand for the C1 control of the same value, as Windows
        // itself converts them.
        const auto b = static_cast<unsigned char>(c);
        appendUtf8(out, fromWindows1252(b).value_or(b));
    }
    return out;
}

}  // namespace vorlix::jet
