// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/single_copy.h"

namespace vorlix::test {

// A single copy whose answer the test sets, and which counts the activations asked of it.
class FakeSingleCopy : public SingleCopy {
public:
    bool another = false;
    int activations = 0;
    bool anotherCopyRuns() override { return another; }
    void activateRunningCopy() override { ++activations; }
};

}  // namespace vorlix::test
