#include "words/jet/stored_text.h"

#include <array>

namespace vorlix::jet {
namespace {

constexpr char kUnknown = '?';

// Appends `cp` when its UTF-8 form fits in `room` more bytes; false when it does not.
bool appendUtf8(std::string& out, char32_t cp, size_t room)
{
    char bytes[4];
    size_t length = 0;
    if (cp < 0x80) {
        bytes[length++] = static_cast<char>(cp);
    } else if (cp < 0x800) {
        bytes[length++] = static_cast<char>(0xC0 | (cp >> 6));
        bytes[length++] = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        bytes[length++] = static_cast<char>(0xE0 | (cp >> 12));
        bytes[length++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        bytes[length++] = static_cast<char>(0xF0 | (cp >> 18));
        bytes[length++] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (cp & 0x3F));
    }
    if (length > room) return false;
    out.append(bytes, length);
    return true;
}

bool isHighSurrogate(char32_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char32_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

// 0x80..0x9F of code page 1252; 0 marks the five bytes that stand for no character.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

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

std::string fromWindows1252(std::string_view bytes, size_t room)
{
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char32_t cp = b;
        if (b >= 0x80 && b <= 0x9F) cp = kWindows1252High[b - 0x80] ? kWindows1252High[b - 0x80] : kUnknown;
        if (!appendUtf8(out, cp, room - out.size())) break;
    }
    return out;
}

}  // namespace

std::string utf8FromStoredText(std::string_view stored, int jetVersion, size_t capacity)
{
    if (capacity == 0) return {};
    const size_t room = capacity - 1;
    if (jetVersion == 3) return fromWindows1252(stored, room);
    if (stored.size() >= 2 && static_cast<unsigned char>(stored[0]) == 0xFF &&
        static_cast<unsigned char>(stored[1]) == 0xFE) {
        return fromUtf16le(expandCompressed(stored.substr(2)), room);
    }
    return fromUtf16le(stored, room);
}

}  // namespace vorlix::jet
