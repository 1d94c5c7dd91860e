// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/single_copy.h"

namespace vorlix {

// The single copy by the system's own means, so that it is kept before the toolkit starts: a lock
// that the system lets go when its process ends, however it ends (a lock file in a folder of the
// user's alone on Linux, a named mutex in the user's session namespace on Windows); and a way for a
// later copy to ask the running one to come to the front (a local socket beside the lock; a hidden
// window found by its title), there from the moment the lock is taken.
class LocalSingleCopy : public SingleCopy {
public:
    // `key` names the settings store guarded; copies with different keys never meet.
    explicit LocalSingleCopy(std::string key);
#ifndef _WIN32
    // As above, with the folder that holds the system's runtime folder of each user somewhere
    // other than /run/user.
    LocalSingleCopy(std::string key, std::string systemRuntimeFolders);
#endif
    ~LocalSingleCopy() override;
    LocalSingleCopy(const LocalSingleCopy&) = delete;
    LocalSingleCopy& operator=(const LocalSingleCopy&) = delete;

    bool anotherCopyRuns() override;
    // A copy that does not answer is passed over: this one then answers the later starts.
    bool activateRunningCopy() override;
    // In the running copy, once its window is shown: a later copy's request, also one made before,
    // runs `activate` on the user-interface thread, from the event loop.
    void onActivation(std::function<void()> activate);

private:
    struct System;  // what the operating system holds for this copy
    std::string name_;
    std::unique_ptr<System> system_;
};

}  // namespace vorlix
