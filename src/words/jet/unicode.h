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

}  // namespace vorlix::jet
