// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/learner_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace vorlix {

// %LOCALAPPDATA%\Vorlix: the program folder beside it, %LOCALAPPDATA%\Programs\Vorlix, belongs to
// the installer, which puts the bundled reg.ocx back there with every install.
std::optional<std::string> learnerFolder()
{
    const QString localAppData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (localAppData.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(localAppData + QStringLiteral("/Vorlix")).toStdString();
}

}  // namespace vorlix
