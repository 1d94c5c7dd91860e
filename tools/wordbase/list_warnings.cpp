// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_warnings.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <string>
#include <tuple>

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

std::vector<Diagnostic> listWarnings(const std::vector<WordPair>& pairs, const std::vector<int>& lines,
                                     bool categoryColumn)
{
    struct Unknown {
        int firstLine;
        size_t pairs;
    };
    std::map<std::string, Unknown> unknown;
    std::map<std::tuple<std::string, std::string, std::string>, int> seen;
    std::vector<Diagnostic> warnings;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const WordPair& pair = pairs[i];
        if (categoryColumn && !offeredCategory(pair.category)) {
            ++unknown.try_emplace(pair.category, Unknown{lines[i], 0}).first->second.pairs;
        }
        const auto [earlier, isNew] = seen.try_emplace({pair.category, pair.english, pair.spanish}, lines[i]);
        if (!isNew) {
            warnings.push_back({Diagnostic::Kind::Warning, lines[i],
                                "the pair \"" + pair.english + " | " + pair.spanish + "\"" +
                                    (pair.category.empty() ? "" : " in \"" + pair.category + "\"") +
                                    " was given on line " + std::to_string(earlier->second) +
                                    " already; both are kept, so it comes up more often"});
        }
    }
    for (const auto& [category, where] : unknown) {
        warnings.push_back({Diagnostic::Kind::Warning, where.firstLine, unknownCategoryWarning(category, where.pairs)});
    }
    return warnings;
}

}  // namespace vorlix::wordbase
