// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDesktopServices>
#include <QUrl>

#include "platform/platform.h"

namespace vorlix {

// The shell opens it and says at once whether it could, that is, whether a program is registered
// for it and started.
void openWithDesktop(const QString& target, QObject&, std::function<void()> failed)
{
    if (!QDesktopServices::openUrl(QUrl(target))) failed();
}

}  // namespace vorlix
