// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/single_copy.h"

namespace vorlix::test {

// A single copy whose answers the test sets, and which counts the activations asked of it.
class FakeSingleCopy : public SingleCopy {
public:
    bool another = false;
    // Whether the other copy takes the request.
    bool answers = true;
    int activations = 0;
    bool anotherCopyRuns() override { return another; }
    bool activateRunningCopy() override
    {
        ++activations;
        return answers;
    }
};

}  // namespace vorlix::test
