// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vorlix {

// Measures text as the display label lays it out. All lengths in twips.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The text on one line: the narrowest width that keeps it there, and the height of that line.
    virtual float oneLineWidth(const std::string& text) const = 0;
    virtual float lineHeight(const std::string& text) const = 0;
    // The height of the text word-wrapped at exactly `width`, breaking only between words: every
    // line of it, whole. Every line counts as high as the one line of lineHeight, so that the
    // two heights give a whole number of lines.
    virtual float wrappedHeight(const std::string& text, float width) const = 0;
    // The width a label takes when it is given `width`: a screen's labels have whole pixels.
    virtual float labelWidth(float width) const { return width; }
};

inline constexpr float kLineCountWidth = 5000.0f;
inline constexpr float kMinimumLabelWidth = 2100.0f;
inline constexpr float kWindowExtraWidth = 200.0f;
inline constexpr float kWindowExtraHeight = 200.0f;

struct LineFit {
    float labelWidth;
    float labelHeight;
    float windowWidth;
    float windowHeight;
};

// Short text stays on one line, at least kMinimumLabelWidth wide; text longer than one line at
// kLineCountWidth is spread over lines of about equal length.
LineFit fitLine(const std::string& text, const TextMeasurer& measure);

// The window's new left edge so that it does not stick out of the screen [screenLeft,
// screenRight) sideways. The right edge is tested first and wins, so a window wider than the
// screen ends with its right edges on the screen's.
float clampLeft(float left, float windowWidth, float screenLeft, float screenRight);

}  // namespace vorlix
