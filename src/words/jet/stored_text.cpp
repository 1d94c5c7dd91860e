// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/jet/stored_text.h"

#include "words/jet/unicode.h"

namespace vorlix::jet {
namespace {

constexpr char kUnknown = '?';

// Appends `cp` when its UTF-8 form fits in `room` more bytes; false when it does not.
bool appendUtf8(std::string& out, char32_t cp, size_t room)
{
    char bytes[4];
    const size_t length = encodeUtf8(cp, bytes);
    if (length > room) return false;
    out.append(bytes, length);
    return true;
}

// The two-byte form of compressed Jet4 text.
std::string expandCompressed(std::string_view packed)
{
    std::string wide;
    wide.reserve(packed.size() * 2);
    bool oneByte = true;
    size_t i = 0;
    while (i < packed.size()) {
        if (packed[i] == '\0') {
            oneByte = !oneByte;
            ++i;
        } else if (oneByte) {
            wide += packed[i++];
            wide += '\0';
        } else if (i + 1 < packed.size()) {
            wide += packed[i++];
            wide += packed[i++];
        } else {
            break;  // half a character: the text ends before it
        }
    }
    return wide;
}

char16_t unitAt(std::string_view utf16le, size_t i)
{
    return static_cast<char16_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                 static_cast<unsigned char>(utf16le[2 * i + 1]) << 8);
}

std::string fromUtf16le(std::string_view bytes, size_t room)
{
    std::string out;
    const size_t units = bytes.size() / 2;
    for (size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(bytes, i);
        char32_t cp = unit;
        if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(bytes, i + 1))) {
            cp = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(bytes, i + 1) - 0xDC00);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            cp = kUnknown;
        }
        if (!appendUtf8(out, cp, room - out.size())) break;
    }
    return out;
}

std::string fromCodePage1252(std::string_view bytes, size_t room)
{
    std::string out;
    for (const char c : bytes) {
        const char32_t cp = fromWindows1252(static_cast<unsigned char>(c)).value_or(kUnknown);
        if (!appendUtf8(out, cp, room - out.size())) break;
    }
    return out;
}

}  // namespace

std::string utf8FromStoredText(std::string_view stored, int jetVersion, size_t capacity)
{
    if (capacity == 0) return {};
    const size_t room = capacity - 1;
    if (jetVersion == 3) return fromCodePage1252(stored, room);
    if (stored.size() >= 2 && static_cast<unsigned char>(stored[0]) == 0xFF &&
        static_cast<unsigned char>(stored[1]) == 0xFE) {
        return fromUtf16le(expandCompressed(stored.substr(2)), room);
    }
    return fromUtf16le(stored, room);
}

}  // namespace vorlix::jet
