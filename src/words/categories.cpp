// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/categories.h"

#include <algorithm>
#include <vector>

#include "words/ascii_text.h"

namespace vorlix {

const std::array<Category, kCategoryCount> kCategories = {{
    {0, "All", ""},
    {1, "Accounting", "Accounting"},
    {2, "Businesses", "Businesses"},
    {3, "Correspondence", "Correspondence"},
    {4, "Advertising", "Advertising"},
    {5, "Cardinal Numbers", "Cardinal Numbers"},
    {6, "Economy", "Economy"},
    {7, "Arts", "Arts"},
    {8, "Chemistry", "Chemistry"},
    {9, "Electronics&& Computers", "Electronics& Computers"},
    {10, "Entertainment&& Fashion", "Entertainment& Fashion"},
    {11, "Insurance", "Insurance"},
    {12, "Nature", "Nature"},
    {13, "Finance", "Finance"},
    {14, "Kitchen", "Kitchen"},
    {15, "Occupations", "Occupations"},
    {16, "Iatrology", "Iatrology"},
    {17, "Motor Vehicles", "Motor Vehicles"},
    {18, "Ordinal numbers", "Ordinal numbers"},
    {19, "Organizational", "Organizational chart"},
    {20, "Production", "Production"},
    {21, "Sales", "Sales"},
    {22, "Petroleum", "Petroleum"},
    {23, "Real Estate", "Real Estate"},
    {24, "Service", "Service"},
    {25, "Politics", "Politics"},
    {26, "Religion", "Religion"},
    {27, "Sports", "Sports"},
    {28, "Time", "tempTime"},
    {29, "Weather", "Weather"},
}};

std::optional<int> categoryNumber(std::string_view guage)
{
    for (const Category& c : kCategories) {
        if (guage == std::to_string(c.number)) return c.number;
    }
    return std::nullopt;
}

int effectiveCategory(std::string_view guage)
{
    return categoryNumber(guage).value_or(kFirstRunCategory);
}

namespace {

// A name as offeredCategory compares it: in lower case, without blanks beside an ampersand.
std::string spellingKey(std::string_view name)
{
    std::string key;
    for (size_t at = 0; at < name.size();) {
        const size_t blanks = std::min(name.find_first_not_of(" \t", at), name.size()) - at;
        if (blanks == 0) {
            key += asciiLower(name[at++]);
            continue;
        }
        const bool besideAmpersand = key.ends_with('&') || name.substr(at + blanks).starts_with('&');
        if (!besideAmpersand) key += name.substr(at, blanks);
        at += blanks;
    }
    return key;
}

}  // namespace

bool sameCategory(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::optional<std::string_view> offeredCategory(std::string_view name)
{
    struct Spellings {
        std::string_view name;
        std::string stored, caption;
    };
    static const std::vector<Spellings> offered = [] {
        std::vector<Spellings> all;
        for (const Category& c : kCategories) {
            if (c.number != kAllCategories) all.push_back({c.name, spellingKey(c.name), spellingKey(shownCaption(c))});
        }
        return all;
    }();
    const std::string key = spellingKey(name);
    for (const Spellings& s : offered) {
        if (key == s.stored || key == s.caption) return s.name;
    }
    return std::nullopt;
}

std::string shownCaption(const Category& category)
{
    std::string out;
    const std::string_view in = category.caption;
    for (size_t i = 0; i < in.size(); ++i) {
        out += in[i];
        if (in[i] == '&' && i + 1 < in.size() && in[i + 1] == '&') ++i;
    }
    return out;
}

}  // namespace vorlix
