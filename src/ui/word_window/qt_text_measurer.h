#pragma once

#include <QFont>
#include <QFontMetricsF>

#include "ui/word_window/fit.h"

namespace vorlix {

// Measures with the real font, in twips from the screen's logical DPI. Widths are taken in whole
// pixels, rounded up, as a label of that width would get them, so a line measured to fit on one
// line also wraps to one line.
class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer(const QFont& font, double logicalDpi);

    float oneLineWidth(const std::string& text) const override;
    float lineHeight() const override;
    float wrappedHeight(const std::string& text, float width) const override;

    // Whole pixels for a label width in twips, rounded up as the measuring does.
    int labelPixels(float twips) const;

private:
    QFontMetricsF metrics_;
    double dpi_;
};

}  // namespace vorlix
