// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/option_layout.h"

#include <algorithm>
#include <array>
#include <initializer_list>

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

bool inLeftColumn(int index)
{
    return readingPosition(index) % 2 == 0;
}

// The least room between a caption's end and the next control, or the inside of its group box.
constexpr int kCaptionClearance = 60;

// The caption's right end: the control's left plus what the caption needs.
int reach(const QRect& control, int captionWidth)
{
    return control.left() + captionWidth;
}

void growToHold(QRect& control, int captionWidth)
{
    control.setWidth(std::max(control.width(), captionWidth));
}

void moveRight(std::initializer_list<QRect*> controls, int by)
{
    for (QRect* control : controls) control->translate(by, 0);
}

}  // namespace

TwipsRect option1Rect(int index)
{
    const int position = readingPosition(index);
    const int row = position / 2;
    return {kOption1ColumnLeft[size_t(position % 2)], kOption1RowStep * (row + 1), kOption1Width[size_t(index)],
            kOption1Height};
}

OptionGeometry layOut(double dpiX, double dpiY, const CaptionWidths& captions)
{
    const auto pixels = [&](const TwipsRect& rect) { return toPixels(rect, dpiX, dpiY); };
    const int clearance = twipsToPixels(kCaptionClearance, dpiX);
    OptionGeometry g;
    g.client = QSize(twipsToPixels(kClientWidth, dpiX), twipsToPixels(kClientHeight, dpiY));
    g.frame1 = pixels(kFrame1);
    g.frame2 = pixels(kFrame2);
    g.check4 = pixels(kCheck4);
    g.check3 = pixels(kCheck3);
    g.check2 = pixels(kCheck2);
    g.label2 = pixels(kLabel2);
    g.text1 = pixels(kText1);
    g.vscroll2 = pixels(kVScroll2);

    // The category buttons: the right column clears the left column's captions.
    int leftColumnReach = 0;
    for (int index = 0; index < kCategoryCount; ++index) {
        g.option1[size_t(index)] = pixels(option1Rect(index));
        if (inLeftColumn(index))
            leftColumnReach =
                std::max(leftColumnReach, reach(g.option1[size_t(index)], captions.option1[size_t(index)]));
    }
    const int rightColumnLeft = twipsToPixels(kOption1ColumnLeft[1], dpiX);
    const int categoryShift = std::max(0, leftColumnReach + clearance - rightColumnLeft);
    int frameReach = 0;
    for (int index = 0; index < kCategoryCount; ++index) {
        QRect& button = g.option1[size_t(index)];
        if (!inLeftColumn(index)) button.translate(categoryShift, 0);
        growToHold(button, captions.option1[size_t(index)]);
        frameReach = std::max(frameReach, reach(button, captions.option1[size_t(index)]));
    }

    // The other options: "Display time" clears the time box, and the right column, which starts
    // with "Always On top-screen", clears the left column's captions.
    const int timeShift = std::max(0, reach(g.label2, captions.displayTime) + clearance - g.text1.left());
    moveRight({&g.text1, &g.vscroll2}, timeShift);
    g.label2.setWidth(g.label2.width() + timeShift);
    const int otherLeftReach = std::max(reach(g.check4, captions.check4), reach(g.check3, captions.check3));
    const int otherShift = std::max(0, otherLeftReach + clearance - std::min(g.check2.left(), g.label2.left()));
    moveRight({&g.check2, &g.label2, &g.text1, &g.vscroll2}, otherShift);
    growToHold(g.check4, captions.check4);
    growToHold(g.check3, captions.check3);
    growToHold(g.check2, captions.check2);
    frameReach = std::max({frameReach, otherLeftReach, reach(g.check2, captions.check2), g.vscroll2.right() + 1});

    // Both group boxes alike, and the dialog with them, keeping its margin.
    const int frameWidth = std::max(g.frame1.width(), frameReach + clearance);
    const int margin = g.client.width() - (g.frame1.right() + 1);
    g.frame1.setWidth(frameWidth);
    g.frame2.setWidth(frameWidth);
    g.client.setWidth(std::max(g.client.width(), g.frame1.right() + 1 + margin));
    return g;
}

}  // namespace option_layout

}  // namespace vorlix
