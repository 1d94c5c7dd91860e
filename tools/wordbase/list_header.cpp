// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_header.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "words/ascii_text.h"

namespace vorlix::wordbase {
namespace {

constexpr std::array<std::pair<std::string_view, char>, 6> kSeparators = {{
    {"comma", ','},
    {"semicolon", ';'},
    {"tab", '\t'},
    {"space", ' '},
    {"pipe", '|'},
    {"colon", ':'},
}};
constexpr std::array<std::string_view, 4> kColumnsLeftOut = {"tags column", "deck column", "notetype column",
                                                             "guid column"};
// What Anki's other header lines name: the deck, note type and tags of every note, which hold no word.
constexpr std::array<std::string_view, 3> kKeysPassedOver = {"deck", "notetype", "tags"};

// A separator by its name, or the character itself.
std::optional<char> separatorNamed(std::string_view value)
{
    const std::string name = asciiLower(trimmed(value));
    for (const auto& [known, separator] : kSeparators) {
        if (name == known || value == std::string_view(&separator, 1)) return separator;
    }
    return std::nullopt;
}

// Takes what the header line "#key:value" says; false when Anki writes no such key.
bool take(ListHeader& header, std::string_view key, std::string_view value, int line)
{
    const std::string name = asciiLower(trimmed(key));
    if (name == "separator") {
        if (const auto separator = separatorNamed(value)) header.separator = separator;
    } else if (name == "html") {
        const std::string flag = asciiLower(trimmed(value));
        if (flag == "true" || flag == "false") header.html = flag == "true";
    } else if (name == "columns") {
        header.columns = std::string(value);
        header.columnsLine = line;
    } else if (std::find(kColumnsLeftOut.begin(), kColumnsLeftOut.end(), name) != kColumnsLeftOut.end()) {
        const std::string_view number = trimmed(value);
        size_t column = 0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), column);
        if (error == std::errc() && end == number.data() + number.size() && column > 0) {
            header.leftOut.insert(column - 1);
        }
    } else {
        return std::find(kKeysPassedOver.begin(), kKeysPassedOver.end(), name) != kKeysPassedOver.end();
    }
    return true;
}

}  // namespace

ListHeader readListHeader(std::string_view text)
{
    ListHeader header;
    bool fromAnki = false;
    for (std::string_view rest = text; rest.starts_with('#') || rest.starts_with('\r') || rest.starts_with('\n');) {
        const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
        const std::string_view content = rest.substr(0, end);
        if (content.starts_with('#')) {
            const size_t colon = content.find(':');
            const bool taken = colon != std::string_view::npos &&
                               take(header, content.substr(1, colon - 1), content.substr(colon + 1), header.bodyLine);
            if (fromAnki && !taken) break;
            fromAnki = fromAnki || taken;
        }
        rest.remove_prefix(end);
        if (rest.starts_with('\r')) rest.remove_prefix(1);
        if (rest.starts_with('\n')) rest.remove_prefix(1);
        header.bodyStart = text.size() - rest.size();
        ++header.bodyLine;
    }
    return header;
}

}  // namespace vorlix::wordbase
