// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// One subject the user can pick. `number` is what the "guage" setting stores and the index of the
// option button that stands for it; `caption` is that button's text ("&&" shows one "&");
// `name` is the category exactly as the word database holds it (empty for "All").
struct Category {
    int number;
    std::string_view caption;
    std::string_view name;
};

inline constexpr int kAllCategories = 0;
inline constexpr int kFirstRunCategory = 29;
inline constexpr int kCategoryCount = 30;

extern const std::array<Category, kCategoryCount> kCategories;

// The category number held in a "guage" text: only the exact texts "0" to "29" name one.
std::optional<int> categoryNumber(std::string_view guage);

// The number to use for a "guage" text: anything that names no category counts as the first-run
// category, so the query never compares against an empty filter.
int effectiveCategory(std::string_view guage);

// Whether two texts name the same category, as the program compares them wherever it meets one
// (the word reader's query, the word-list builder): ASCII letters without regard to letter case,
// every other byte as it stands. The categories' own names are ASCII.
bool sameCategory(std::string_view a, std::string_view b);

// The category the program offers that a learner's `name` stands for, as the database holds it
// ("tempTime"): a learner writes either that or the caption the options dialog shows ("Time"),
// in any letter case and with or without blanks around an ampersand ("electronics & computers").
// None for any other name, "All" among them.
std::optional<std::string_view> offeredCategory(std::string_view name);

// The caption as shown on screen: "&&" becomes "&".
std::string shownCaption(const Category& category);

}  // namespace vorlix
