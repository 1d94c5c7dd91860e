// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/display_time.h"

#include <QLocale>

#include "ui/options/option_layout.h"

namespace vorlix {

namespace {

bool inSpinRange(int seconds)
{
    return seconds >= option_layout::kVScroll2Min && seconds <= option_layout::kVScroll2Max;
}

}  // namespace

QString secondsText(int16_t n)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(n / 1000.0, 'g', QLocale::FloatingPointShortest);
}

std::optional<int> spinSeconds(int16_t n)
{
    if (n % 1000 != 0 || !inSpinRange(n / 1000)) return std::nullopt;
    return n / 1000;
}

std::optional<int> typedSeconds(const QString& text)
{
    if (text.isEmpty()) return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
    }
    bool ok = false;
    const int seconds = text.toInt(&ok);
    if (!ok || !inSpinRange(seconds)) return std::nullopt;
    return seconds;
}

}  // namespace vorlix
