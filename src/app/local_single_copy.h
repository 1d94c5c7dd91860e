// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include "app/single_copy.h"

namespace vorlix {

// A lock file decides which copy runs: the operating system makes its creation atomic, and a
// lock left by a copy that died is taken over, since Qt checks whether its process still lives.
// The running copy listens on a local socket, where a later copy asks it to come to the front.
class LocalSingleCopy : public QObject, public SingleCopy {
    Q_OBJECT
public:
    // `key` names the settings store guarded; copies with different keys never meet.
    explicit LocalSingleCopy(const QString& key);
    ~LocalSingleCopy() override;

    bool anotherCopyRuns() override;
    void activateRunningCopy() override;
    // Gives the lock and the socket up, for an exit that skips every destructor.
    void release();

    // The key for the settings store of the current user.
    static QString keyForCurrentUser();

signals:
    void activationRequested();

private:
    QString serverName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace vorlix
