// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/qt_text_measurer.h"

#include <algorithm>
#include <cmath>

#include <QLabel>
#include <QTextBoundaryFinder>

#include "ui/fonts.h"
#include "ui/twips.h"

namespace vorlix {

namespace {

// Taller than any word line; the layout reports the height the text takes, not this one.
constexpr qreal kAnyHeight = 2000;
// A glyph that reaches past its advance (an italic or a final "r") can make a line need a few
// pixels more than its advance width; far fewer than this.
constexpr int kMostOverhang = 64;
// Float noise: a width a hair off a whole pixel stands for that pixel.
constexpr double kNoise = 1e-3;
// A zero-width space is a place to break and shows nothing.
constexpr char16_t kBreak = u'\u200B';

}  // namespace

QtTextMeasurer::QtTextMeasurer(const QLabel& label)
    : metrics_(label.fontMetrics()),
      // As QLabel sizes itself: centring is left out, it only moves the text within the same size.
      alignment_(int(label.alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter))),
      dpi_(label.logicalDpiX()),
      firstLine_(unwrapped(QStringLiteral("x")).height()),
      linePitch_(unwrapped(QStringLiteral("x\nx")).height() - firstLine_)
{
}

QSizeF QtTextMeasurer::wrappedAt(const QString& text, qreal width) const
{
    // The call QLabel makes for a plain-text label's size; its paint goes through the same layout
    // (qt_format_text) with the same flags, at the label's width.
    return metrics_.boundingRect(QRectF(0, 0, width, kAnyHeight), alignment_ | Qt::TextWordWrap, text).size();
}

QSizeF QtTextMeasurer::unwrapped(const QString& text) const
{
    return metrics_.boundingRect(QRectF(0, 0, 0, kAnyHeight), alignment_, text).size();
}

float QtTextMeasurer::inLines(qreal layoutHeight) const
{
    const qreal lines = std::max<qreal>(1, 1 + std::round((layoutHeight - firstLine_) / linePitch_));
    // A line in another script may come from a taller font; its text is never cut off.
    return twips(std::max(lines * linePitch_, std::ceil(layoutHeight)));
}

float QtTextMeasurer::twips(qreal pixels) const
{
    return static_cast<float>(pixelsToTwips(pixels, dpi_));
}

int QtTextMeasurer::labelPixels(float twips) const
{
    // Twips that stand for a whole number of pixels must not gain one through float noise.
    return static_cast<int>(std::ceil(twips * dpi_ / kTwipsPerInch - kNoise));
}

float QtTextMeasurer::labelWidth(float width) const
{
    return twips(labelPixels(width));
}

float QtTextMeasurer::oneLineWidth(const std::string& text) const
{
    // The advance width does not always keep the text on one line: the layout breaks a line whose
    // last glyph reaches past it. The width wanted is the narrowest at which the label itself
    // keeps the text on one line.
    const QString line = QString::fromStdString(text);
    const QSizeF natural = unwrapped(line);
    const int advance = static_cast<int>(std::ceil(natural.width() - kNoise));
    int width = advance;
    while (width < advance + kMostOverhang && wrappedAt(line, width).height() > natural.height()) ++width;
    return twips(width);
}

float QtTextMeasurer::lineHeight(const std::string& text) const
{
    return inLines(unwrapped(QString::fromStdString(text)).height());
}

float QtTextMeasurer::wrappedHeight(const std::string& text, float width) const
{
    // Exactly `width`, a fraction of a pixel included: the line-count width of 5000 twips is
    // 333.33 pixels at 96 DPI, and a line of 333.5 does not fit in it.
    const double pixels = width * dpi_ / kTwipsPerInch;
    const double whole = std::round(pixels);
    const QString shown = breakableAt(QString::fromStdString(text), width);
    return inLines(wrappedAt(shown, std::abs(pixels - whole) < kNoise ? whole : pixels).height());
}

QString QtTextMeasurer::breakableAt(const QString& text, float width) const
{
    const qreal room = width * dpi_ / kTwipsPerInch;
    // No run is wider than the whole line: most lines end here, on every tick.
    if (metrics_.horizontalAdvance(text) <= room) return text;
    QString shown;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype next = breaks.toNextBoundary();
        const qsizetype end = next < 0 ? text.size() : next;
        const QString run = text.mid(start, end - start);
        start = end;
        if (metrics_.horizontalAdvance(run.trimmed()) <= room) {
            shown += run;
            continue;
        }
        // Between letters as the reader sees them: an accent stays on its letter.
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, run);
        qsizetype from = 0;
        for (qsizetype to = letters.toNextBoundary(); to > 0; to = letters.toNextBoundary()) {
            if (from > 0) shown += kBreak;
            shown += run.mid(from, to - from);
            from = to;
        }
    }
    return shown;
}

void setUpLineLabel(QLabel& label)
{
    label.setFont(designFont(DesignFace::Arial, 12));
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString shownLine(const QString& text)
{
    return QString(text).replace(u'\\', QString(u'\\') + kBreak);
}

}  // namespace vorlix
