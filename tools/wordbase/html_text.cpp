// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "html_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

#include "words/ascii_text.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNamedEntities = {{
    {"amp", "&"},
    {"lt", "<"},
    {"gt", ">"},
    {"quot", "\""},
    {"apos", "'"},
    {"nbsp", " "},
}};
constexpr std::array<std::string_view, 4> kLineBreakingTags = {"br", "div", "p", "li"};
// Longer than any entity's name with its '&' and ';': "&#x10FFFF;".
constexpr size_t kLongestEntity = 10;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The character an entity's name ("amp", "#233", "#xE9") stands for; none for any other name.
std::optional<std::string> entity(std::string_view name)
{
    for (const auto& [known, text] : kNamedEntities) {
        if (name == known) return std::string(text);
    }
    if (!name.starts_with('#')) return std::nullopt;
    const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    const std::string_view digits = name.substr(hex ? 2 : 1);
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size() || code == 0) return std::nullopt;
    std::u16string units;
    if (code > 0xFFFF) {
        if (code > 0x10FFFF) return std::nullopt;
        code -= 0x10000;
        units = {static_cast<char16_t>(0xD800 + (code >> 10)), static_cast<char16_t>(0xDC00 + (code & 0x3FF))};
    } else {
        if (code >= 0xD800 && code < 0xE000) return std::nullopt;
        units = {static_cast<char16_t>(code)};
    }
    return jet::utf8FromUtf16(units);
}

// The name of the tag `tag` holds ("<br/>", "</div>", "<p class=x>"), in lower case.
std::string tagName(std::string_view tag)
{
    const size_t start = tag.find_first_not_of("</");
    const size_t end = tag.find_first_of(" \t\r\n/>", start);
    return asciiLower(tag.substr(start, end - start));
}

}  // namespace

std::string textOfHtml(std::string_view html)
{
    std::string text;
    bool space = false;
    const auto put = [&](std::string_view piece) {
        if (space && !text.empty()) text += ' ';
        space = false;
        text += piece;
    };
    for (size_t at = 0; at < html.size();) {
        const char c = html[at];
        const size_t tagEnd = c == '<' ? html.find('>', at) : std::string_view::npos;
        const size_t entityEnd = c == '&' ? html.substr(at, kLongestEntity).find(';') : std::string_view::npos;
        const auto character =
            entityEnd == std::string_view::npos ? std::nullopt : entity(html.substr(at + 1, entityEnd - 1));
        if (tagEnd != std::string_view::npos) {
            const std::string name = tagName(html.substr(at, tagEnd + 1 - at));
            space =
                space || std::find(kLineBreakingTags.begin(), kLineBreakingTags.end(), name) != kLineBreakingTags.end();
            at = tagEnd + 1;
        } else if (character) {
            if (*character == " ") {
                space = true;
            } else {
                put(*character);
            }
            at += entityEnd + 1;
        } else if (isSpace(c)) {
            space = true;
            ++at;
        } else {
            put(html.substr(at, 1));
            ++at;
        }
    }
    return text;
}

}  // namespace vorlix::wordbase
