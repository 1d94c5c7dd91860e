// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/local_single_copy.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "app/logging.h"
#include "app/settings_store.h"
#include "platform/linux/user_folders.h"

namespace vorlix {

namespace {

constexpr auto kAnswerTimeout = std::chrono::seconds(3);
constexpr auto kConnectRetry = std::chrono::milliseconds(50);

// The folder of the lock and the socket, open, or -1 where the user has none: the user's runtime
// folder, however the copy was started; only where the user has none, a folder of the program's
// in the user's cache folder. Never the shared temporary folder, where another user could make or
// hold the lock first.
int singleCopyFolder(const std::string& systemRuntimeFolders)
{
    const int runtime = openRuntimeFolder(environmentVariable, geteuid(), systemRuntimeFolders);
    if (runtime >= 0) return runtime;
    const std::string cache = xdgBaseFolder("XDG_CACHE_HOME", ".cache");
    mkdir(cache.c_str(), 0700);
    return openOwnFolder(cache + "/vorlix", geteuid());
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

// A connection to the socket `name` in `folder` when it is one of the user's own that a process
// listens on; -1 otherwise.
int connectToCopy(int folder, const std::string& name)
{
    struct stat found;
    if (fstatat(folder, name.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISSOCK(found.st_mode) ||
        found.st_uid != geteuid())
        return -1;
    // Not blocking: a copy that takes no requests fills its queue, and a start must not wait on it.
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const sockaddr_un address = socketAddress(folder, name);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
    if (fd >= 0) close(fd);
    return -1;
}

// Whether the copy at the other end of `connection` answers by `deadline`: it takes the request
// and closes the connection. The system takes a connection for a copy that is stopped or hung as
// well, so the connection alone says nothing.
bool answeredBy(int connection, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd wait{connection, POLLIN, 0};
        const int ready = poll(&wait, 1, int(std::max<long long>(left.count(), 0)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        // The end of the stream: the copy took the request. A copy that ended before it did
        // resets the connection instead.
        char byte;
        return read(connection, &byte, 1) == 0;
    }
}

}  // namespace

struct LocalSingleCopy::System {
    std::string systemRuntimeFolders;
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

    // From now on a later copy's request waits in the socket's queue until the window is there.
    // A socket left by a copy that died would refuse the bind, and one of a copy that no longer
    // answers would take the requests: a new one takes the name.
    void listen(const std::string& socketName)
    {
        const sockaddr_un address = socketAddress(folder, socketName);
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        unlinkat(folder, socketName.c_str(), 0);
        if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(fd, 16) == 0)
            listener = fd;
        else if (fd >= 0)
            close(fd);
    }
};

LocalSingleCopy::LocalSingleCopy(std::string key) : LocalSingleCopy(std::move(key), "/run/user") {}

LocalSingleCopy::LocalSingleCopy(std::string key, std::string systemRuntimeFolders)
    : name_(std::string(kSettingsSection) + "-" + key), system_(std::make_unique<System>())
{
    system_->systemRuntimeFolders = std::move(systemRuntimeFolders);
}

LocalSingleCopy::~LocalSingleCopy() = default;

bool LocalSingleCopy::anotherCopyRuns()
{
    System& s = *system_;
    if (s.lock >= 0) return false;
    if (s.folder < 0) s.folder = singleCopyFolder(s.systemRuntimeFolders);
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
    // The copy that started beside one that no longer answered answers without the lock, which
    // the earlier one held until it ended: it still runs.
    const std::string socketName = name_ + ".socket";
    if (const int running = connectToCopy(s.folder, socketName); running >= 0) {
        close(running);
        return true;
    }
    s.listen(socketName);
    return false;
}

bool LocalSingleCopy::activateRunningCopy()
{
    System& s = *system_;
    const std::string socketName = name_ + ".socket";
    const auto giveUp = std::chrono::steady_clock::now() + kAnswerTimeout;
    do {
        const int connection = connectToCopy(s.folder, socketName);
        const bool answered = connection >= 0 && answeredBy(connection, giveUp);
        if (connection >= 0) close(connection);
        if (answered) return true;
        if (connection < 0) std::this_thread::sleep_for(kConnectRetry);
    } while (std::chrono::steady_clock::now() < giveUp);
    // This copy runs in place of one that does not answer, and answers the later starts.
    if (s.folder >= 0 && s.listener < 0) s.listen(socketName);
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
