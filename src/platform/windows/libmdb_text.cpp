// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// libmdb for Windows is built without iconv: it would turn Jet4 text into bytes of the C
// runtime's locale, losing every character outside it, and Jet3 text would pass through
// undecoded. libmdb keeps all of its text conversion in one part of the library (iconv.o), and
// this file defines every function of that part, so the linker takes these instead and the
// library's own never enter the program: text then comes out exactly as the Linux reader gives it.
#include "words/jet/libmdb_text.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/windows/wide_text.h"
#include "words/jet/stored_text.h"
#include "words/jet/unicode.h"

namespace vorlix::jet {

// Nothing to set up: the functions below decode every handle's text. Being defined here, next to
// them, this function is what makes the linker take this file before it searches libmdb.
void decodeTextAsUtf8(MdbHandle*, int) {}

namespace {

// The path in the system's code page; empty when a character of it has no place there.
std::string inCodePage(const std::wstring& wide)
{
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, &lost);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), bytes.data(), length,
                        nullptr, &lost);
    return lost ? std::string() : bytes;
}

}  // namespace

std::string pathLibmdbCanOpen(const std::string& path)
{
    const std::wstring wide = wideFrom(path);
    if (std::string plain = inCodePage(wide); !plain.empty() || wide.empty()) return plain;
    // A folder named outside the code page (a user name in another script) still has the short
    // name the file system gives every file, in plain letters.
    const DWORD length = GetShortPathNameW(wide.c_str(), nullptr, 0);
    std::wstring shortPath(length, L'\0');
    if (length == 0 || GetShortPathNameW(wide.c_str(), shortPath.data(), length) + 1 != length) return path;
    shortPath.resize(length - 1);
    const std::string plain = inCodePage(shortPath);
    return plain.empty() ? path : plain;
}

}  // namespace vorlix::jet

namespace {

int jetVersionOf(const MdbHandle* mdb)
{
    return IS_JET3(mdb) ? 3 : 4;
}

// Copies `text` and its terminating zero into `dest`, which has room for `dlen` bytes.
size_t copyOut(const std::string& text, char* dest, size_t dlen)
{
    const size_t length = std::min(text.size(), dlen - 1);
    std::memcpy(dest, text.data(), length);
    dest[length] = '\0';
    return length;
}

}  // namespace

extern "C" {

// Stored text to UTF-8; returns the length written, without the terminating zero.
int mdb_unicode2ascii(MdbHandle* mdb, const char* src, size_t slen, char* dest, size_t dlen)
{
    if (!src || !dest || !dlen) return 0;
    const std::string text = vorlix::jet::utf8FromStoredText({src, slen}, jetVersionOf(mdb), dlen);
    return static_cast<int>(copyOut(text, dest, dlen));
}

// UTF-8 to stored text, for the few places where libmdbsql makes up a text of its own (the
// listings of tables and columns). Jet4 text is written uncompressed, which every reader takes.
int mdb_ascii2unicode(MdbHandle* mdb, const char* src, size_t slen, char* dest, size_t dlen)
{
    if (!src || !dest || !dlen) return 0;
    const std::string_view in(src, slen ? slen : std::strlen(src));
    std::string stored;
    if (IS_JET3(mdb)) {
        stored.assign(in);  // the listings are plain ASCII
    } else {
        const std::u16string wide = vorlix::jet::utf16FromUtf8(in).value_or(u"");
        for (const char16_t unit : wide) {
            stored += static_cast<char>(unit & 0xFF);
            stored += static_cast<char>(unit >> 8);
        }
    }
    const size_t length = std::min(stored.size(), dlen);
    std::memcpy(dest, stored.data(), length);
    return static_cast<int>(length);
}

const char* mdb_target_charset(MdbHandle*)
{
    return "UTF-8";
}

void mdb_iconv_init(MdbHandle*) {}

void mdb_iconv_close(MdbHandle*) {}

}  // extern "C"
