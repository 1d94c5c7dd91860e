// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/startup_entry.h"

// Records what was asked of the log-on entry; `fails` makes every change fail, and `onChange`
// lets a test look at the world at the moment of a change.
class RecordingStartupEntry final : public vorlix::StartupEntry {
public:
    explicit RecordingStartupEntry(bool fails = false) : fails_(fails) {}

    bool add(const std::string& executablePath) override
    {
        calls.push_back("add " + executablePath);
        if (onChange) onChange();
        return !fails_;
    }

    bool remove() override
    {
        calls.push_back("remove");
        if (onChange) onChange();
        return !fails_;
    }

    std::vector<std::string> calls;
    std::function<void()> onChange;

private:
    bool fails_;
};
