// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include <windows.h>

namespace vorlix::test {

// Points HKEY_CURRENT_USER of this process at a scratch key for as long as it lives, so that the
// registry code can be tried against the real registry without touching the user's own keys.
// `refusingWrites` makes the scratch key a volatile one, under which the registry refuses to
// create the lasting keys that settings go into.
class ScratchCurrentUser {
public:
    explicit ScratchCurrentUser(bool refusingWrites = false);
    ~ScratchCurrentUser();
    ScratchCurrentUser(const ScratchCurrentUser&) = delete;
    ScratchCurrentUser& operator=(const ScratchCurrentUser&) = delete;

    bool ready() const { return key_ != nullptr; }

    // A value under `subkey` of the scratch key, with its type; type 0 when it is not there.
    struct Value {
        DWORD type = 0;
        std::wstring text;
    };
    Value value(const std::wstring& subkey, const std::wstring& name) const;
    bool setValue(const std::wstring& subkey, const std::wstring& name, const std::wstring& text);

private:
    std::wstring path_;
    HKEY key_ = nullptr;
};

}  // namespace vorlix::test
