// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "platform/platform.h"

namespace vorlix {

QColor wordWindowBackground()
{
    // No desktop colour exists here; the highlight colour is made to carry highlighted text.
    return QApplication::palette().color(QPalette::Highlight);
}

void applyStacking(QWidget& window, bool topmost)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
}

bool systemDrawsSmallTextUnsmoothed()
{
    // fontconfig's settings reach Qt's text as they reach every other program's.
    return false;
}

}  // namespace vorlix
