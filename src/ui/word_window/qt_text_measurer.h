// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFontMetricsF>
#include <QString>

#include "ui/word_window/fit.h"

class QLabel;

namespace vorlix {

// Measures text as a word-wrapping plain-text QLabel lays it out: with the label's font and
// alignment, through the very layout call that sizes the label and draws its text, so that a
// measure and what the label shows can never disagree. Lengths in twips from the label's logical
// DPI.
//
// A height is counted in lines of one height: the distance from one line's top to the next, which
// holds the space the layout keeps between two lines. The layout itself leaves that space off
// below the last line, so that its height for three lines is not three times its height for one.
class QtTextMeasurer : public TextMeasurer {
public:
    explicit QtTextMeasurer(const QLabel& label);

    float oneLineWidth(const std::string& text) const override;
    float lineHeight(const std::string& text) const override;
    float wrappedHeight(const std::string& text, float width) const override;
    float labelWidth(float width) const override;

    // Whole pixels for a label width in twips, rounded up as the measuring does.
    int labelPixels(float twips) const;

    // `text` as the label shows it at `width` twips: a run the line cannot break, wider than that
    // on its own (an 80-letter word, a web address in a learner's list), may break after any of
    // its letters, so that it fills its lines instead of running past the label's edge. Every
    // other run keeps its breaks. The heights measured here are those of this text.
    QString breakableAt(const QString& text, float width) const;

private:
    // The label's text area for `text`: wrapped at `width` pixels, or with no wrapping at all.
    QSizeF wrappedAt(const QString& text, qreal width) const;
    QSizeF unwrapped(const QString& text) const;
    // The height of the lines the layout took `layoutHeight` for, each one line high.
    float inLines(qreal layoutHeight) const;
    float twips(qreal pixels) const;

    QFontMetricsF metrics_;
    int alignment_;
    double dpi_;
    qreal firstLine_;  // the layout's height for one line
    qreal linePitch_;  // what each further line adds to it
};

// The display label's text settings: Arial 12 pt, plain text (a word is never markup), wrapped
// at the label's width from its top left corner.
void setUpLineLabel(QLabel& label);

// `text` as the display label shows it. The line may break after a backslash, as it may after a
// slash: a Windows path, which a notice may name, has no other place to break, and would run
// past the window's edge.
QString shownLine(const QString& text);

}  // namespace vorlix
