// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vorlix {

// Keeps the program to one running copy for each settings store.
class SingleCopy {
public:
    virtual ~SingleCopy() = default;
    // True when another copy runs; false makes this copy the running one.
    virtual bool anotherCopyRuns() = 0;
    // Asks the running copy to bring its word window to the front, waiting a bounded time for it
    // to take the request, not for the window. False when no copy took it: none that could answer
    // runs, whatever holds its place.
    virtual bool activateRunningCopy() = 0;
};

// The key of the current user's settings store: copies that share it are one program.
std::string singleCopyKeyForCurrentUser();

}  // namespace vorlix
