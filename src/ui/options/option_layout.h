// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QRect>
#include <QSize>

#include "words/categories.h"

namespace vorlix {

// A control's place in twips: group boxes from the dialog's client area, everything else from the
// top left corner of its group box.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

QRect toPixels(const TwipsRect& rect, double logicalDpiX, double logicalDpiY);

namespace option_layout {

inline constexpr int kClientWidth = 5175;
inline constexpr int kClientHeight = 5070;

inline constexpr TwipsRect kFrame1{120, 120, 4935, 3855};
inline constexpr TwipsRect kFrame2{120, 4080, 4935, 975};
inline constexpr TwipsRect kCheck4{120, 240, 2475, 255};
inline constexpr TwipsRect kCheck3{120, 600, 2535, 255};
inline constexpr TwipsRect kCheck2{2760, 600, 2145, 255};
inline constexpr TwipsRect kLabel2{2835, 270, 1935, 195};
inline constexpr TwipsRect kText1{3960, 255, 375, 270};
inline constexpr TwipsRect kVScroll2{4320, 240, 135, 255};

inline constexpr int kVScroll2Min = 2;
inline constexpr int kVScroll2Max = 18;
inline constexpr int kVScroll2Initial = 5;

// The category buttons read "All" and then the categories in alphabetical order, row by row with
// the left column first, while each keeps the category number as its index.
TwipsRect option1Rect(int index);

// The width each captioned control needs to show its caption whole, in pixels, in the font and
// style the dialog is drawn with.
struct CaptionWidths {
    std::array<int, kCategoryCount> option1{};
    int check4 = 0;
    int check3 = 0;
    int check2 = 0;
    int displayTime = 0;  // the words "Display time" of Label2, which stand left of the time box
};

// Every control's place in pixels, as layOut gives it.
struct OptionGeometry {
    QSize client;
    QRect frame1;
    QRect frame2;
    std::array<QRect, kCategoryCount> option1;
    QRect check4;
    QRect check3;
    QRect check2;
    QRect label2;
    QRect text1;
    QRect vscroll2;
};

// The layout in pixels at the screen's logical DPI. Where every caption fits, it is exactly the
// design's twips. Where a caption does not, its control grows to the right, keeping its top; a
// left-column caption that would reach the right column moves that column right, "Display time"
// that would reach the time box moves the box and its arrows right, and the group boxes (both
// alike) and the dialog grow to hold what moved or grew.
OptionGeometry layOut(double logicalDpiX, double logicalDpiY, const CaptionWidths& captions);

}  // namespace option_layout

}  // namespace vorlix
