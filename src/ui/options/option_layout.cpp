// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/option_layout.h"

#include <algorithm>
#include <array>

#include "ui/twips.h"
#include "words/categories.h"

namespace vorlix {

QRect toPixels(const TwipsRect& rect, double logicalDpiX, double logicalDpiY)
{
    return QRect(twipsToPixels(rect.left, logicalDpiX), twipsToPixels(rect.top, logicalDpiY),
                 twipsToPixels(rect.width, logicalDpiX), twipsToPixels(rect.height, logicalDpiY));
}

namespace option_layout {

namespace {

constexpr int kOption1Height = 195;
constexpr int kOption1RowStep = 240;
constexpr std::array<int, 2> kOption1ColumnLeft{120, 2520};

// Each width was chosen for its own caption and follows no rule.
constexpr std::array<int, kCategoryCount> kOption1Width{
    1020, 1380, 1500, 1620, 1380, 1740, 1020, 1020, 1260, 2340, 2460, 1500, 1620, 1380, 1740,
    1380, 1380, 1740, 2340, 2460, 1500, 1620, 1380, 1740, 1380, 1380, 1740, 2340, 1500, 1620,
};

// "All" comes first whatever its caption; the rest by caption.
int readingPosition(int index)
{
    if (index == kAllCategories) return 0;
    const std::string_view caption = kCategories[size_t(index)].caption;
    return 1 + int(std::count_if(kCategories.begin() + 1, kCategories.end(),
                                 [&](const Category& other) { return other.caption < caption; }));
}

}  // namespace

TwipsRect option1Rect(int index)
{
    const int position = readingPosition(index);
    const int row = position / 2;
    return {kOption1ColumnLeft[size_t(position % 2)], kOption1RowStep * (row + 1), kOption1Width[size_t(index)],
            kOption1Height};
}

}  // namespace option_layout

}  // namespace vorlix
