// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "ui/word_window/fit.h"

namespace vorlix::test {

// Exact measures: every character (blanks included) is `charWidth` twips wide and a line is
// `lineHeightTwips` high; wrapping breaks greedily between words only.
class FakeMeasurer : public TextMeasurer {
public:
    float charWidth = 100.0f;
    float lineHeightTwips = 276.0f;

    float oneLineWidth(const std::string& text) const override { return charWidth * text.size(); }
    float lineHeight(const std::string&) const override { return lineHeightTwips; }
    float wrappedHeight(const std::string& text, float width) const override
    {
        std::istringstream in(text);
        std::vector<std::string> words;
        for (std::string w; in >> w;) words.push_back(w);
        int lines = 1;
        float used = 0;
        for (const std::string& w : words) {
            const float needed = (used > 0 ? charWidth : 0) + charWidth * w.size();
            if (used > 0 && used + needed > width) {
                ++lines;
                used = charWidth * w.size();
            } else {
                used += needed;
            }
        }
        return lines * lineHeightTwips;
    }
};

}  // namespace vorlix::test
