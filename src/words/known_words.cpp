// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/known_words.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <tuple>
#include <vector>

#include "words/jet/unicode.h"

namespace vorlix {

namespace {

constexpr std::string_view kAbout =
    "# Words you know, for Vorlix: the day each pair shows again, its box (1 to 6), English, Spanish\n";

std::string dayText(Day day)
{
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

void appendEscaped(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

// The text a field stands for; none where it holds an escape this file does not write, a control
// character, or bytes that are not UTF-8 (a list saved in another encoding).
std::optional<std::string> unescaped(std::string_view field)
{
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
        if (c == '\\') {
            if (++i == field.size()) return std::nullopt;
            switch (field[i]) {
            case '\\': c = '\\'; break;
            case 't': c = '\t'; break;
            case 'n': c = '\n'; break;
            case 'r': c = '\r'; break;
            default: return std::nullopt;
            }
        }
        text += c;
    }
    if (text.empty() || !jet::utf16FromUtf8(text)) return std::nullopt;
    return text;
}

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

std::optional<Day> dayFromText(std::string_view text)
{
    int year = 0;
    unsigned month = 0, day = 0;
    const auto number = [&text](size_t at, size_t length, auto& value) {
        const char* end = text.data() + at + length;
        return std::from_chars(text.data() + at, end, value).ptr == end;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || text[0] == '-' || text[5] == '-' || text[8] == '-' ||
        !number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
    if (!date.ok()) return std::nullopt;
    return Day(date);
}

size_t KnownWords::PairHash::operator()(PairView pair) const noexcept
{
    const size_t english = std::hash<std::string_view>{}(pair.first);
    return english ^
           (std::hash<std::string_view>{}(pair.second) + 0x9e3779b97f4a7c15 + (english << 6) + (english >> 2));
}

bool KnownWords::isDue(std::string_view english, std::string_view spanish, Day today) const
{
    const auto found = marks_.find(PairView(english, spanish));
    return found == marks_.end() || found->second.returns <= today;
}

Day KnownWords::mark(std::string_view english, std::string_view spanish, Day today)
{
    const auto found = marks_.find(PairView(english, spanish));
    if (found == marks_.end()) {
        marks_.emplace(Pair(english, spanish), Mark{1, today + timeAway(1)});
        return today + timeAway(1);
    }
    Mark& mark = found->second;
    if (mark.returns > today) return mark.returns;
    mark.box = std::min(mark.box + 1, kLastBox);
    mark.returns = today + timeAway(mark.box);
    return mark.returns;
}

std::string KnownWords::text() const
{
    std::vector<std::pair<const Pair*, const Mark*>> lines;
    lines.reserve(marks_.size());
    for (const auto& [pair, mark] : marks_) lines.emplace_back(&pair, &mark);
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return std::tie(a.second->returns, *a.first) < std::tie(b.second->returns, *b.first);
    });
    std::string out(kAbout);
    for (const auto& [pair, mark] : lines) {
        out += dayText(mark->returns);
        out += '\t';
        out += std::to_string(mark->box);
        out += '\t';
        appendEscaped(out, pair->first);
        out += '\t';
        appendEscaped(out, pair->second);
        out += '\n';
    }
    return out;
}

KnownWords::Reading KnownWords::read(std::string_view text)
{
    Reading reading;
    // Saved by an editor that marks UTF-8 so.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::string_view whole = text.substr(start, end - start);
        start = end;
        std::string_view line = whole;
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        // Saved by a Windows editor.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const std::vector<std::string_view> fields = fieldsOf(line);
        const std::optional<Day> returns = fields.size() == 4 ? dayFromText(fields[0]) : std::nullopt;
        const bool boxRead =
            fields.size() == 4 && fields[1].size() == 1 && fields[1][0] >= '1' && fields[1][0] <= '0' + kLastBox;
        std::optional<std::string> english = fields.size() == 4 ? unescaped(fields[2]) : std::nullopt;
        std::optional<std::string> spanish = fields.size() == 4 ? unescaped(fields[3]) : std::nullopt;
        if (!returns || !boxRead || !english || !spanish) {
            reading.unreadable += whole;
            continue;
        }
        reading.words.marks_[Pair(std::move(*english), std::move(*spanish))] = Mark{fields[1][0] - '0', *returns};
    }
    return reading;
}

}  // namespace vorlix
