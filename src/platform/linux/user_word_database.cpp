// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QtGlobal>

#include "platform/user_word_database.h"

namespace vorlix {

// The installed program folder belongs to the system, so a user's own words live among the
// user's data, where freedesktop.org's base-directory rules put it.
std::optional<std::string> userWordDatabaseFolder()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // The rules treat a relative $XDG_DATA_HOME as unset.
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return (dataHome + QStringLiteral("/vorlix")).toStdString();
}

}  // namespace vorlix
