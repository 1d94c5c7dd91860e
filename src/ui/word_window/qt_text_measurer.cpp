// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/qt_text_measurer.h"

#include <cmath>

#include <QLabel>

#include "ui/twips.h"

namespace vorlix {

namespace {

// Taller than any word line; the layout reports the height the text takes, not this one.
constexpr int kAnyHeight = 2000;
// A glyph that reaches past its advance (an italic or a final "r") can make a line need a few
// pixels more than its advance width; far fewer than this.
constexpr int kMostOverhang = 64;

}  // namespace

QtTextMeasurer::QtTextMeasurer(const QLabel& label)
    : metrics_(label.fontMetrics()),
      // As QLabel sizes itself: centring is left out, it only moves the text within the same size.
      alignment_(int(label.alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter))),
      dpi_(label.logicalDpiX())
{
}

QSize QtTextMeasurer::wrappedAt(const QString& text, int width) const
{
    // The call QLabel makes for a plain-text label's size; its paint goes through the same layout
    // (qt_format_text) with the same width and flags.
    return metrics_.boundingRect(0, 0, width, kAnyHeight, alignment_ | Qt::TextWordWrap, text).size();
}

QSize QtTextMeasurer::unwrapped(const QString& text) const
{
    return metrics_.boundingRect(0, 0, 0, kAnyHeight, alignment_, text).size();
}

float QtTextMeasurer::twips(int pixels) const
{
    return static_cast<float>(pixelsToTwips(pixels, dpi_));
}

int QtTextMeasurer::labelPixels(float twips) const
{
    // Twips that stand for a whole number of pixels must not gain one through float noise.
    return static_cast<int>(std::ceil(twips * dpi_ / kTwipsPerInch - 1e-3));
}

float QtTextMeasurer::oneLineWidth(const std::string& text) const
{
    // The advance width does not always keep the text on one line: the layout breaks a line whose
    // last glyph reaches past it. The width wanted is the narrowest at which the label itself
    // keeps the text on one line.
    const QString line = QString::fromStdString(text);
    const QSize natural = unwrapped(line);
    int width = natural.width();
    while (width < natural.width() + kMostOverhang && wrappedAt(line, width).height() > natural.height()) ++width;
    return twips(width);
}

float QtTextMeasurer::lineHeight(const std::string& text) const
{
    return twips(unwrapped(QString::fromStdString(text)).height());
}

float QtTextMeasurer::wrappedHeight(const std::string& text, float width) const
{
    return twips(wrappedAt(QString::fromStdString(text), labelPixels(width)).height());
}

void setUpLineLabel(QLabel& label)
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(12);
    label.setFont(arial);
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace vorlix
