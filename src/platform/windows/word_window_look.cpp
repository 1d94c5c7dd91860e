// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <QWidget>

#include "platform/platform.h"

namespace vorlix {

QColor wordWindowBackground()
{
    const DWORD rgb = GetSysColor(COLOR_DESKTOP);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

void applyStacking(QWidget& window, bool topmost)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    SetWindowPos(reinterpret_cast<HWND>(window.winId()), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace vorlix
