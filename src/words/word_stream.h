// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// What the word reader (a process of its own, see word_reader_process.h) writes on its standard
// output when it has read the words: the number of columns, their names, then every row, a field
// a column. Each field ends in a NUL byte, which the Jet library's text never holds. On any other
// outcome the output ends in one line of text saying why, after the rows read before the reader
// found it could not go on, if any; the exit code says what happened.
namespace word_stream {

// Clear of the codes with which anything else ends the reader: 1 for a sanitizer's finding, 3 for
// abort() on Windows, signals and exceptions beyond 127.
enum ExitCode : int {
    kComplete = 0,
    kUsage = 2,
    kUnreadable = 20,     // not a Jet file, damaged, or the operating system refuses it
    kWrongPassword = 21,  // the file is protected by a password other than the one given
    kQueryFailed = 22,    // the engine rejected the query
};

using Fields = std::span<const char* const>;

void appendHeader(std::string& out, Fields columns);
void appendRow(std::string& out, Fields values);

struct Header {
    std::vector<std::string> columns;
    size_t length = 0;  // bytes of the stream it took
};

// The header at the start of `stream`; empty while it is still incomplete (or is no header).
std::optional<Header> parseHeader(std::string_view stream);

}  // namespace word_stream
}  // namespace vorlix
