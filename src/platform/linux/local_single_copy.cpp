// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/local_single_copy.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "app/logging.h"
#include "app/settings_store.h"
#include "platform/linux/session_platform.h"

namespace vorlix {

namespace {

constexpr auto kConnectTimeout = std::chrono::seconds(3);
constexpr auto kConnectRetry = std::chrono::milliseconds(50);

// The folder of the lock and the socket, open, or -1 where the user has none: the runtime folder
// when it is the user's alone, as the base-directory rules have it; else a folder of the program's
// in the user's cache folder. Never the shared temporary folder, where another user could make or
// hold the lock first.
int singleCopyFolder()
{
    if (const auto runtime = environmentVariable("XDG_RUNTIME_DIR")) {
        const int folder = openPrivateFolder(*runtime, geteuid());
        if (folder >= 0) return folder;
    }
    const std::string cache = xdgBaseFolder("XDG_CACHE_HOME", ".cache");
    mkdir(cache.c_str(), 0700);
    const std::string own = cache + "/vorlix";
    mkdir(own.c_str(), 0700);
    return openPrivateFolder(own, geteuid());
}

// A socket address for `name` in the open `folder`, reached through the folder's handle, so that
// it fits the address whatever the length of the folder's own path.
sockaddr_un socketAddress(int folder, const std::string& name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "/proc/self/fd/%d/%s", folder, name.c_str());
    return address;
}

}  // namespace

struct LocalSingleCopy::System {
    int folder = -1;
    int lock = -1;
    int listener = -1;
    std::unique_ptr<QSocketNotifier> requests;

    // Run only in tests: the program ends by _Exit, and the system lets go of all of it. The lock
    // file stays: removing it would let a later copy lock a new file while an earlier one holds
    // the old.
    ~System()
    {
        requests.reset();
        for (const int fd : {listener, lock, folder})
            if (fd >= 0) close(fd);
    }
};

LocalSingleCopy::LocalSingleCopy(std::string key)
    : name_(std::string(kSettingsSection) + "-" + key), system_(std::make_unique<System>())
{
}

LocalSingleCopy::~LocalSingleCopy() = default;

bool LocalSingleCopy::anotherCopyRuns()
{
    System& s = *system_;
    if (s.lock >= 0) return false;
    if (s.folder < 0) s.folder = singleCopyFolder();
    // Where the user has no folder of their own, running is better than refusing to start.
    if (s.folder < 0) {
        qCDebug(settingsLog) << "no folder of the user's own for the single-copy lock: more copies may run";
        return false;
    }
    const int fd = openat(s.folder, (name_ + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat file;
    if (fd < 0 || fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != geteuid()) {
        if (fd >= 0) close(fd);
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return held;
    }
    s.lock = fd;
    // From now on a later copy's request waits in the socket's queue until the window is there.
    const std::string socketName = name_ + ".socket";
    const sockaddr_un address = socketAddress(s.folder, socketName);
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // A socket left by a copy that died would refuse the bind; only the lock's holder gets here.
    unlinkat(s.folder, socketName.c_str(), 0);
    if (bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 && listen(listener, 16) == 0)
        s.listener = listener;
    else if (listener >= 0)
        close(listener);
    return false;
}

bool LocalSingleCopy::activateRunningCopy()
{
    System& s = *system_;
    const std::string socketName = name_ + ".socket";
    const sockaddr_un address = socketAddress(s.folder, socketName);
    const auto giveUp = std::chrono::steady_clock::now() + kConnectTimeout;
    do {
        // Only a socket of the user's own is the running copy's.
        struct stat found;
        const bool own = fstatat(s.folder, socketName.c_str(), &found, AT_SYMLINK_NOFOLLOW) == 0 &&
                         S_ISSOCK(found.st_mode) && found.st_uid == geteuid();
        const int fd = own ? socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0) : -1;
        const bool connected = fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0) close(fd);
        if (connected) return true;
        std::this_thread::sleep_for(kConnectRetry);
    } while (std::chrono::steady_clock::now() < giveUp);
    return false;
}

void LocalSingleCopy::onActivation(std::function<void()> activate)
{
    System& s = *system_;
    if (s.listener < 0 || s.requests) return;
    s.requests = std::make_unique<QSocketNotifier>(s.listener, QSocketNotifier::Read);
    QObject::connect(s.requests.get(), &QSocketNotifier::activated, [fd = s.listener, activate = std::move(activate)] {
        // A request is the connection itself; several at once bring the window forward once.
        int peer = -1;
        while ((peer = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) close(peer);
        activate();
    });
}

}  // namespace vorlix
