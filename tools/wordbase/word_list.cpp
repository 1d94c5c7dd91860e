// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list.h"

#include <array>
#include <string_view>

#include "jet4_table.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 3> kFieldNames = {"category", "english", "spanish"};

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

void checkText(int lineNumber, std::string_view field, std::string_view text)
{
    const std::string name(field);
    const auto utf16 = jet::utf16FromUtf8(text);
    if (!utf16) throw WordListError(lineNumber, "the " + name + " text is not valid UTF-8");
    if (utf16->find(u'\0') != std::u16string::npos) {
        throw WordListError(lineNumber, "the " + name + " text holds a NUL character");
    }
    if (utf16->size() > wordbase::jet4::kMaxTextLength) {
        throw WordListError(lineNumber, "the " + name + " text has " + std::to_string(utf16->size()) +
                                            " characters (UTF-16 units); at most 255 fit");
    }
    if (!utf16->empty() && utf16->front() == u'\uFEFF') {
        throw WordListError(lineNumber, "the " + name + " text starts with U+FEFF, which Jet cannot store there");
    }
}

}  // namespace

WordListError::WordListError(int line, const std::string& reason)
    : std::runtime_error("line " + std::to_string(line) + ": " + reason), line_(line)
{
}

std::vector<WordPair> parseWordList(std::istream& in)
{
    std::vector<WordPair> pairs;
    std::string buffer;
    for (int lineNumber = 1; std::getline(in, buffer); ++lineNumber) {
        std::string_view line = buffer;
        if (lineNumber == 1 && line.starts_with(kUtf8ByteOrderMark)) line.remove_prefix(kUtf8ByteOrderMark.size());
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const std::vector<std::string_view> fields = splitTabs(line);
        if (fields.size() != kFieldNames.size()) {
            throw WordListError(lineNumber, "expected 3 tab-separated fields (category, english, spanish), found " +
                                                std::to_string(fields.size()));
        }
        for (size_t i = 0; i < fields.size(); ++i) checkText(lineNumber, kFieldNames[i], fields[i]);
        pairs.push_back({std::string(fields[0]), std::string(fields[1]), std::string(fields[2])});
    }
    if (in.bad()) throw std::runtime_error("read error");
    return pairs;
}

}  // namespace vorlix::wordbase
