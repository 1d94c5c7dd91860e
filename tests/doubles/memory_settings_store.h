// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/settings_store.h"

namespace vorlix::test {

// A settings store in memory that records every write in order, and every read and write as
// "get KEY" or "set KEY" in `operations`; `refuseWrites` makes it fail like an unwritable
// settings folder.
class MemorySettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
    mutable std::vector<std::string> operations;
    bool refuseWrites = false;

    std::string get(const std::string& key) const override
    {
        operations.push_back("get " + key);
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    }

    bool set(const std::string& key, const std::string& value) override
    {
        writes.emplace_back(key, value);
        operations.push_back("set " + key);
        if (refuseWrites) return false;
        values[key] = value;
        return true;
    }

    std::vector<std::string> writtenKeys() const
    {
        std::vector<std::string> keys;
        for (const auto& write : writes) keys.push_back(write.first);
        return keys;
    }
};

}  // namespace vorlix::test
