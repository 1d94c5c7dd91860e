// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "html_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "html_entities.h"
#include "words/ascii_text.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

constexpr std::array<std::string_view, 16> kBreakingTags = {"blockquote", "br", "div", "h1", "h2", "h3", "h4", "h5",
                                                            "h6",         "hr", "li",  "ol", "p",  "td", "th", "tr"};
constexpr std::string_view kSoundReference = "[sound:";
// Longer than any entity with its '&' and ';': "&thetasym;", "&#x10FFFF;".
constexpr size_t kLongestEntity = 10;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isAsciiLetter(char c)
{
    return asciiLower(c) >= 'a' && asciiLower(c) <= 'z';
}

// The character an entity's name ("eacute", "#233", "#xE9") stands for.
std::optional<char32_t> entity(std::string_view name)
{
    if (!name.starts_with('#')) return namedEntity(name);
    const bool hex = name.size() > 1 && asciiLower(name[1]) == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size() || code == 0 || code > 0x10FFFF ||
        jet::isHighSurrogate(code) || jet::isLowSurrogate(code))
        return std::nullopt;
    return static_cast<char32_t>(code);
}

// The name of the tag that `tag`, past its '<', starts with ("br/>", "/div>", "p class=x>").
std::string tagName(std::string_view tag)
{
    const size_t start = tag.starts_with('/') ? 1 : 0;
    return asciiLower(tag.substr(start, tag.find_first_of(" \t\r\n/>", start) - start));
}

// Reads a field once from start to end. Every search that looks ahead either passes over what it
// searched or remembers that nothing lies ahead, so no part of the field is read again and again.
class HtmlReader {
public:
    explicit HtmlReader(std::string_view html) : html_(html) {}

    std::string text()
    {
        while (at_ < html_.size()) {
            const std::string_view rest = html_.substr(at_);
            if (rest.starts_with("<!--")) {
                const size_t end = html_.find("-->", at_ + 4);
                if (end == std::string_view::npos) break;  // an unclosed comment hides the rest, as in a browser
                at_ = end + 3;
            } else if (rest.size() > 1 && rest[0] == '<' &&
                       (isAsciiLetter(rest[1]) || rest[1] == '/' || rest[1] == '!')) {
                readTag();
            } else if (rest.starts_with(kSoundReference) && ahead(closingBracket_, ']') != std::string_view::npos) {
                at_ = closingBracket_ + 1;
            } else if (rest[0] == '&') {
                readEntity();
            } else {
                if (isSpace(rest[0])) {
                    space_ = true;
                } else {
                    put(rest.substr(0, 1));
                }
                ++at_;
            }
        }
        return std::move(text_);
    }

private:
    void put(std::string_view piece)
    {
        if (space_ && !text_.empty()) text_ += ' ';
        space_ = false;
        text_ += piece;
    }

    // The next `c` at or after where the reader is, found once for all the places before it.
    size_t ahead(size_t& found, char c)
    {
        // Where the reader is there is never `c`, so a position there means not looked for yet.
        if (found != std::string_view::npos && found <= at_) found = html_.find(c, at_);
        return found;
    }

    // Where the tag that starts here ends: at the first '>' outside quotes. Once a quote runs to
    // the end of the field, quotes are not counted any more, in this tag or any later one.
    std::optional<size_t> tagEnd()
    {
        if (ahead(closingAngle_, '>') == std::string_view::npos) return std::nullopt;
        if (quotesClose_) {
            char quote = 0;
            for (size_t at = at_ + 1; at < html_.size(); ++at) {
                const char c = html_[at];
                if (quote != 0) {
                    if (c == quote) quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    return at;
                }
            }
            quotesClose_ = false;
        }
        return closingAngle_;
    }

    void readTag()
    {
        const auto end = tagEnd();
        if (!end) {
            put("<");
            ++at_;
            return;
        }
        const std::string name = tagName(html_.substr(at_ + 1, *end - at_));
        space_ = space_ || std::find(kBreakingTags.begin(), kBreakingTags.end(), name) != kBreakingTags.end();
        at_ = *end + 1;
    }

    void readEntity()
    {
        const size_t end = html_.substr(at_, kLongestEntity).find(';');
        const auto character = end == std::string_view::npos ? std::nullopt : entity(html_.substr(at_ + 1, end - 1));
        if (!character) {
            put("&");
            ++at_;
            return;
        }
        if (*character == U'\u00A0') {
            space_ = true;
        } else {
            char bytes[4];
            put(std::string_view(bytes, jet::encodeUtf8(*character, bytes)));
        }
        at_ += end + 1;
    }

    std::string_view html_;
    size_t at_ = 0;
    std::string text_;
    bool space_ = false;
    bool quotesClose_ = true;
    size_t closingAngle_ = 0;
    size_t closingBracket_ = 0;
};

}  // namespace

std::string textOfHtml(std::string_view html)
{
    return HtmlReader(html).text();
}

}  // namespace vorlix::wordbase
