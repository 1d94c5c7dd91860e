// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QWidget>

#include "platform/platform.h"

namespace vorlix {

QPoint windowPosition(const QWidget& window)
{
    // Qt's record follows every move Windows makes.
    return window.pos();
}

void offerCloseBoxOnly(QWidget&)
{
    // Windows draws exactly the title-bar buttons the window flags ask for.
}

std::optional<std::string> qtPlatformForThisSession()
{
    return std::nullopt;  // one window system, which Qt knows
}

}  // namespace vorlix
