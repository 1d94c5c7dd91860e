// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFontMetrics>
#include <QString>

#include "ui/word_window/fit.h"

class QLabel;

namespace vorlix {

// Measures text as a word-wrapping plain-text QLabel lays it out: with the label's font and
// alignment, through the very layout call that sizes the label and draws its text, so that a
// measure and what the label shows can never disagree. Lengths in twips from the label's logical
// DPI; a width stands for the whole pixels a label of that width has.
class QtTextMeasurer : public TextMeasurer {
public:
    explicit QtTextMeasurer(const QLabel& label);

    float oneLineWidth(const std::string& text) const override;
    float lineHeight(const std::string& text) const override;
    float wrappedHeight(const std::string& text, float width) const override;

    // Whole pixels for a label width in twips, rounded up as the measuring does.
    int labelPixels(float twips) const;

private:
    // The label's text area for `text`: wrapped at `width` pixels, or with no wrapping at all.
    QSize wrappedAt(const QString& text, int width) const;
    QSize unwrapped(const QString& text) const;
    float twips(int pixels) const;

    QFontMetrics metrics_;
    int alignment_;
    double dpi_;
};

// The display label's text settings: Arial 12 pt, plain text (a word is never markup), wrapped
// at the label's width from its top left corner.
void setUpLineLabel(QLabel& label);

}  // namespace vorlix
