// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/local_single_copy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "app/settings_store.h"

namespace vorlix {

namespace {

constexpr int kConnectTimeoutMs = 3000;

}  // namespace

LocalSingleCopy::LocalSingleCopy(const QString& key)
    : serverName_(QStringLiteral("%1-%2").arg(kSettingsSection, key)),
      lock_(QDir(QDir::tempPath()).filePath(serverName_ + QStringLiteral(".lock")))
{
    // Only a dead owner makes a lock stale: a copy that runs for days keeps it.
    lock_.setStaleLockTime(0);
}

LocalSingleCopy::~LocalSingleCopy() = default;

QString LocalSingleCopy::keyForCurrentUser()
{
    // The settings folder identifies the store (and the user) on every platform.
    const QString where = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QString::fromLatin1(QCryptographicHash::hash(where.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool LocalSingleCopy::anotherCopyRuns()
{
    if (!lock_.tryLock(0)) return true;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that died would refuse the listen.
    QLocalServer::removeServer(serverName_);
    server_->listen(serverName_);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            peer->disconnectFromServer();
            emit activationRequested();
        }
    });
    return false;
}

void LocalSingleCopy::release()
{
    server_.reset();
    lock_.unlock();
}

void LocalSingleCopy::activateRunningCopy()
{
    // The running copy may have taken the lock a moment ago and not yet listen.
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    while (waited.elapsed() < kConnectTimeoutMs) {
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(200)) {
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(50);
    }
}

}  // namespace vorlix
