// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/word_stream.h"

#include <charconv>

namespace vorlix::word_stream {
namespace {

// Far more than any word table has, and small enough that a garbled count cannot make the
// program reserve much.
constexpr size_t kMaxColumns = 255;

void appendFields(std::string& out, Fields fields)
{
    for (const char* field : fields) {
        out += field;
        out += '\0';
    }
}

}  // namespace

void appendHeader(std::string& out, Fields columns)
{
    out += std::to_string(columns.size());
    out += '\0';
    appendFields(out, columns);
}

void appendRow(std::string& out, Fields values)
{
    appendFields(out, values);
}

std::optional<Header> parseHeader(std::string_view stream)
{
    size_t end = stream.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    size_t count = 0;
    const std::string_view countText = stream.substr(0, end);
    const auto [rest, error] = std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (error != std::errc() || rest != countText.data() + countText.size() || count == 0 || count > kMaxColumns)
        return std::nullopt;

    Header header;
    size_t begin = end + 1;
    while (header.columns.size() < count) {
        end = stream.find('\0', begin);
        if (end == std::string_view::npos) return std::nullopt;
        header.columns.emplace_back(stream.substr(begin, end - begin));
        begin = end + 1;
    }
    header.length = begin;
    return header;
}

}  // namespace vorlix::word_stream
