// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/module1.h"

#include <charconv>
#include <initializer_list>
#include <utility>

namespace vorlix {

namespace {

const Module1 kFirstRun{};

bool writeAll(SettingsStore& store, std::initializer_list<std::pair<const char*, std::string>> values)
{
    bool ok = true;
    for (const auto& [key, value] : values) ok = store.set(key, value) && ok;
    return ok;
}

int16_t readInt(const SettingsStore& store, const char* key, int16_t firstRun)
{
    return parseInt16(store.get(key)).value_or(firstRun);
}

}  // namespace

std::optional<int16_t> parseInt16(std::string_view text)
{
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin == end) return std::nullopt;
    // from_chars takes a leading "-" but no "+", spaces or hex: exactly the decimal form written.
    int16_t value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool InitDefaultSettings(SettingsStore& store)
{
    return writeAll(store, {
                               {"n", std::to_string(kFirstRun.n)},
                               {"psave", std::to_string(kFirstRun.psave)},
                               {"ssave", std::to_string(kFirstRun.ssave)},
                               {"ontop", std::to_string(kFirstRun.ontop)},
                               {"guage", kFirstRun.guage},
                               {"mark", std::to_string(kFirstRun.mark)},
                               {"xxx", kFirstRun.xxx},
                           });
}

void LoadSettings(const SettingsStore& store, Module1& m)
{
    m.n = readInt(store, "n", kFirstRun.n);
    // A display time of 0 or less would make the word timer fire without pause.
    if (m.n <= 0) m.n = kFirstRun.n;
    m.psave = readInt(store, "psave", kFirstRun.psave);
    m.ssave = readInt(store, "ssave", kFirstRun.ssave);
    m.ontop = readInt(store, "ontop", kFirstRun.ontop);
    m.guage = store.get("guage");
    m.mark = readInt(store, "mark", kFirstRun.mark);
    m.xxx = store.get("xxx");
}

bool SaveAllSettings(SettingsStore& store, const Module1& m)
{
    return writeAll(store, {
                               {"ce", ""},
                               {"n", std::to_string(m.n)},
                               {"rd", ""},
                               {"ontop", std::to_string(m.ontop)},
                               {"psave", std::to_string(m.psave)},
                               {"ssave", std::to_string(m.ssave)},
                               {"guage", m.guage},
                               {"mark", std::to_string(m.mark)},
                               {"xxx", "1"},
                               {"sspeed", ""},
                           });
}

bool SaveSsaveOnly(SettingsStore& store, const Module1& m)
{
    return store.set("ssave", std::to_string(m.ssave));
}

}  // namespace vorlix
