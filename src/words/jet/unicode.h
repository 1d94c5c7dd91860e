// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix::jet {

// Jet4 keeps text as UTF-16LE and measures it in UTF-16 code units, so the writer converts and
// counts in that form; the program itself works in UTF-8.

// Empty optional when `utf8` is not well-formed UTF-8 (overlong forms and encoded surrogates too).
std::optional<std::u16string> utf16FromUtf8(std::string_view utf8);

// A lone surrogate, which a damaged file may hold, becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view utf16);

// Jet3 keeps header text in the database's code page; the files this program meets use 1252.
std::string utf8FromWindows1252(std::string_view bytes);

// The pieces of the conversions above, for the decoders that differ from them in what they do
// with text that is not well-formed.

// Writes the UTF-8 form of `cp` to `bytes` and returns its length, 1 to 4.
size_t encodeUtf8(char32_t cp, char (&bytes)[4]);

struct Utf8Character {
    char32_t cp;
    size_t length;  // in bytes, 1 to 4
};
// The character `utf8` starts with; none where it starts with no well-formed sequence (an overlong
// form, an encoded surrogate, a sequence cut short) or is empty.
std::optional<Utf8Character> decodeUtf8(std::string_view utf8);

inline bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The character a byte of code page 1252 stands for; none for the five bytes it leaves unassigned.
std::optional<char32_t> fromWindows1252(unsigned char byte);

}  // namespace vorlix::jet
