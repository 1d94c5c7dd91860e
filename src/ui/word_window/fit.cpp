// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/fit.h"

#include "ui/word_window/maxmin_s.h"

namespace vorlix {

LineFit fitLine(const std::string& text, const TextMeasurer& measure)
{
    const float oneLine = measure.oneLineWidth(text);
    const float lineHeight = measure.lineHeight(text);
    const float wrapped = measure.wrappedHeight(text, kLineCountWidth);
    const float lines = wrapped / lineHeight;
    const float target = oneLine / lines;

    LineFit fit{};
    fit.labelWidth = measure.labelWidth(static_cast<float>(Max(kMinimumLabelWidth, target)));
    fit.labelHeight = measure.wrappedHeight(text, fit.labelWidth);
    fit.windowWidth = fit.labelWidth + kWindowExtraWidth;
    fit.windowHeight = fit.labelHeight + kWindowExtraHeight;
    return fit;
}

float clampLeft(float left, float windowWidth, float screenLeft, float screenRight)
{
    if (screenRight - windowWidth < left) return screenRight - windowWidth;
    if (left < screenLeft) return screenLeft;
    return left;
}

}  // namespace vorlix
