// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlix::jet {

// The UTF-8 text of a text value as stored in a Jet file: Jet4 keeps UTF-16LE, or its compressed
// form (FF FE, then one byte a character, a zero byte switching to two bytes a character and
// back); Jet3 keeps code page 1252. A code unit or byte that stands for no character becomes '?',
// and an odd byte left over at the end of Jet4 text is dropped.
//
// This is exactly the text that libmdb gives the reader where it decodes through iconv, so the
// word reader gives the same bytes on every system, also where libmdb is built without iconv.
// `capacity` is the room libmdb has for the text and its terminating zero: the text ends before
// the first character that would not fit whole.
std::string utf8FromStoredText(std::string_view stored, int jetVersion, size_t capacity);

}  // namespace vorlix::jet
