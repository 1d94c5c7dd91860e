// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/single_copy.h"

#include <QCryptographicHash>
#include <QStandardPaths>

namespace vorlix {

std::string singleCopyKeyForCurrentUser()
{
    // The settings folder identifies the store (and the user) on every platform.
    const QString where = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QCryptographicHash::hash(where.toUtf8(), QCryptographicHash::Sha1).toHex().left(16).toStdString();
}

}  // namespace vorlix
