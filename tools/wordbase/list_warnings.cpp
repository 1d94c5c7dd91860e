// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_warnings.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <unordered_map>

#include "words/ascii_text.h"
#include "words/categories.h"

namespace vorlix::wordbase {
namespace {

// Letters and digits only, ASCII letters in lower case: "Electronics& Computers" and
// "electronics & computers" come out the same.
std::string looseForm(std::string_view text)
{
    std::string loose;
    for (const char c : text) {
        const char lower = asciiLower(c);
        if ((lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80)
            loose += lower;
    }
    return loose;
}

size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string unknownCategoryWarning(const std::string& category, size_t pairs)
{
    if (category.empty()) {
        return pairs == 1 ? "the pair here has no category, so it shows only under \"All\""
                          : "the pair here and " + std::to_string(pairs - 1) +
                                " more have no category, so they show only under \"All\"";
    }
    std::string text = "\"" + category + "\" is none of the 29 categories the program offers, so ";
    text += pairs == 1 ? "its pair shows" : "its " + std::to_string(pairs) + " pairs show";
    text += " only under \"All\"";
    if (const auto nearest = nearestCategory(category)) text += "; did you mean \"" + std::string(*nearest) + "\"?";
    return text;
}

}  // namespace

std::optional<std::string_view> nearestCategory(std::string_view name)
{
    const std::string loose = looseForm(name);
    if (loose.empty()) return std::nullopt;
    // A slip of one letter in four at most, so that "Time" is not taken for "Arts".
    const size_t tolerated = std::max<size_t>(1, loose.size() / 4);
    std::optional<std::string_view> nearest;
    size_t nearestDistance = tolerated + 1;
    for (const Category& c : kCategories) {
        if (c.number == kAllCategories) continue;
        for (const std::string& form : {looseForm(c.name), looseForm(shownCaption(c))}) {
            const size_t distance = editDistance(loose, form);
            if (distance < nearestDistance) {
                nearest = c.name;
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

void addListWarnings(WordList& list, const std::vector<int>& lines, bool categoryColumn)
{
    const std::vector<WordPair>& pairs = list.pairs;
    // What there is to say, found in any order, said in the list's. Only as many as are shown are
    // kept, the earliest; the others are counted, so that a list of one pair given a million times
    // costs no more memory than a list of a million pairs.
    struct Finding {
        int line;
        uint32_t pair;
        uint32_t given;  // for a pair given again, where it was given first
        size_t pairs;    // for a category the program does not offer, how many pairs it has; else 0
    };
    const auto byLine = [](const Finding& a, const Finding& b) { return a.line < b.line; };
    std::vector<Finding> earliest;  // a heap, the latest of them on top
    size_t found = 0;
    const auto find = [&](const Finding& finding) {
        ++found;
        earliest.push_back(finding);
        std::push_heap(earliest.begin(), earliest.end(), byLine);
        if (earliest.size() <= kKeptNotes) return;
        std::pop_heap(earliest.begin(), earliest.end(), byLine);
        earliest.pop_back();
    };

    // The pairs by a hash of their texts, those of one hash in list order: only they are compared.
    std::vector<std::pair<size_t, uint32_t>> hashed(pairs.size());
    for (uint32_t i = 0; i < pairs.size(); ++i) {
        const std::hash<std::string_view> hash;
        const WordPair& p = pairs[i];
        hashed[i] = {hash(p.category) ^ (hash(p.english) * 31) ^ (hash(p.spanish) * 961), i};
    }
    std::sort(hashed.begin(), hashed.end());
    for (size_t run = 0, end = 0; run < hashed.size(); run = end) {
        while (end < hashed.size() && hashed[end].first == hashed[run].first) ++end;
        for (size_t again = run + 1; again < end; ++again) {
            const uint32_t pair = hashed[again].second;
            const auto first = std::find_if(hashed.begin() + static_cast<std::ptrdiff_t>(run),
                                            hashed.begin() + static_cast<std::ptrdiff_t>(again),
                                            [&](const auto& other) { return pairs[other.second] == pairs[pair]; });
            if (first->second != pair) find({lines[pair], pair, first->second, 0});
        }
    }

    if (categoryColumn) {
        std::unordered_map<std::string_view, std::pair<uint32_t, size_t>> categories;  // its first pair, its pairs
        for (uint32_t i = 0; i < pairs.size(); ++i)
            ++categories.try_emplace(pairs[i].category, i, 0).first->second.second;
        for (const auto& [name, category] : categories) {
            if (!offeredCategory(name)) find({lines[category.first], category.first, 0, category.second});
        }
    }

    std::sort_heap(earliest.begin(), earliest.end(), byLine);
    for (const Finding& f : earliest) {
        const WordPair& pair = pairs[f.pair];
        list.note(Diagnostic::Kind::Warning, f.line, [&] {
            if (f.pairs > 0) return unknownCategoryWarning(pair.category, f.pairs);
            return "the pair \"" + pair.english + " | " + pair.spanish + "\"" +
                   (pair.category.empty() ? "" : " in \"" + pair.category + "\"") + " was given on line " +
                   std::to_string(lines[f.given]) + " already; both are kept, so it comes up more often";
        });
    }
    list.warnings += found - earliest.size();
}

}  // namespace vorlix::wordbase
