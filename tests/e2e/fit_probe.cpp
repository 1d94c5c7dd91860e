// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the outer size in pixels, "WIDTH HEIGHT", that the word window takes for a line on the
// current display, so that a test can hold the real window against the fit from outside.
#include <cstdio>

#include <QApplication>
#include <QLabel>

#include "platform/platform.h"
#include "ui/twips.h"
#include "ui/word_window/fit.h"
#include "ui/word_window/qt_text_measurer.h"

int main(int argc, char* argv[])
{
    // The program's own font engine, where it chooses one.
    if (const std::optional<std::string> platform = vorlix::qtPlatformForThisSession())
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", platform->c_str());
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    QLabel line;
    vorlix::setUpLineLabel(line);
    const double dpi = line.logicalDpiX();
    const vorlix::QtTextMeasurer measure(line);
    const vorlix::LineFit fit =
        vorlix::fitLine(vorlix::shownLine(QString::fromLocal8Bit(argv[1])).toStdString(), measure);
    const int labelWidth = measure.labelPixels(fit.labelWidth);
    const int labelHeight = vorlix::twipsToPixels(fit.labelHeight, dpi);
    std::printf("%d %d\n", labelWidth + vorlix::twipsToPixels(vorlix::kWindowExtraWidth, dpi),
                labelHeight + vorlix::twipsToPixels(vorlix::kWindowExtraHeight, dpi));
    return 0;
}
