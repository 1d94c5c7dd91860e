// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/local_single_copy.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>

#include "app/settings_store.h"

namespace vorlix {

namespace {

constexpr auto kConnectTimeout = std::chrono::seconds(3);
constexpr auto kConnectRetry = std::chrono::milliseconds(50);

// The user's runtime folder, which belongs to the user alone and to this log-on, unlike the
// temporary folder, which every start may be given another of. Where $XDG_RUNTIME_DIR is unset,
// Qt's own stand-in for it.
std::string runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).absolutePath().toStdString();
}

// False when the path does not fit a socket address, which holds about a hundred bytes.
bool socketAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

void closeIfOpen(int& fd)
{
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

struct LocalSingleCopy::System {
    // `where`: the folder and the name the lock file and the socket share.
    explicit System(const std::string& where) : lockPath(where + ".lock"), socketPath(where + ".socket") {}

    const std::string lockPath;
    const std::string socketPath;
    int lock = -1;
    int listener = -1;
    std::unique_ptr<QSocketNotifier> requests;

    ~System()
    {
        requests.reset();
        if (listener >= 0) unlink(socketPath.c_str());
        closeIfOpen(listener);
        // The lock file stays: removing it would let a later copy lock a new file while an
        // earlier one still holds the old.
        closeIfOpen(lock);
    }
};

LocalSingleCopy::LocalSingleCopy(std::string key)
    : name_(std::string(kSettingsSection) + "-" + key), system_(std::make_unique<System>(runtimeFolder() + "/" + name_))
{
}

LocalSingleCopy::~LocalSingleCopy() = default;

bool LocalSingleCopy::anotherCopyRuns()
{
    if (system_->lock >= 0) return false;
    const int fd = open(system_->lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Where no lock can be had at all, running is better than refusing to start.
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        system_->lock = fd;
        return false;
    }
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    return held;
}

void LocalSingleCopy::activateRunningCopy()
{
    sockaddr_un address;
    if (!socketAddress(system_->socketPath, address)) return;
    const auto giveUp = std::chrono::steady_clock::now() + kConnectTimeout;
    do {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return;
        const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        if (connected) return;
        std::this_thread::sleep_for(kConnectRetry);
    } while (std::chrono::steady_clock::now() < giveUp);
}

void LocalSingleCopy::onActivation(std::function<void()> activate)
{
    sockaddr_un address;
    if (system_->lock < 0 || system_->listener >= 0 || !socketAddress(system_->socketPath, address)) return;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // A socket left by a copy that died would refuse the bind; only the lock's holder gets here.
    unlink(system_->socketPath.c_str());
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return;
    }
    system_->listener = fd;
    system_->requests = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(system_->requests.get(), &QSocketNotifier::activated, [fd, activate = std::move(activate)] {
        // A request is the connection itself; several at once bring the window forward once.
        int peer = -1;
        while ((peer = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) close(peer);
        activate();
    });
}

}  // namespace vorlix
