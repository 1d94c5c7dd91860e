#include "ui/word_window/qt_text_measurer.h"

#include <algorithm>
#include <cmath>

#include <QString>

#include "ui/twips.h"

namespace vorlix {

QtTextMeasurer::QtTextMeasurer(const QFont& font, double logicalDpi) : metrics_(font), dpi_(logicalDpi) {}

int QtTextMeasurer::labelPixels(float twips) const
{
    // Twips that stand for a whole number of pixels must not gain one through float noise.
    return static_cast<int>(std::ceil(twips * dpi_ / kTwipsPerInch - 1e-3));
}

float QtTextMeasurer::oneLineWidth(const std::string& text) const
{
    const double px = std::ceil(metrics_.horizontalAdvance(QString::fromStdString(text)));
    return static_cast<float>(pixelsToTwips(px, dpi_));
}

float QtTextMeasurer::lineHeight() const
{
    return static_cast<float>(pixelsToTwips(std::ceil(metrics_.height()), dpi_));
}

float QtTextMeasurer::wrappedHeight(const std::string& text, float width) const
{
    const QRectF box(0, 0, labelPixels(width), 1e6);
    const QRectF used = metrics_.boundingRect(box, Qt::TextWordWrap, QString::fromStdString(text));
    const double lines = std::max(1.0, std::round(used.height() / metrics_.height()));
    return static_cast<float>(lines * pixelsToTwips(std::ceil(metrics_.height()), dpi_));
}

}  // namespace vorlix
