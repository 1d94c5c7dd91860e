// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

namespace vorlix {

// Lengths of the layout are in twips, 1/1440 inch; the screen's logical DPI turns them into pixels.
inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

inline double pixelsToTwips(double pixels, double logicalDpi)
{
    return pixels * kTwipsPerInch / logicalDpi;
}

}  // namespace vorlix
