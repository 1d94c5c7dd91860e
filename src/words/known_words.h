// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace vorlix {

// A date, as the learner's calendar counts it.
using Day = std::chrono::sys_days;

// "2027-01-15"; none for any other text or a date that does not exist.
std::optional<Day> dayFromText(std::string_view text);

// The pairs the learner knows, each in a box that says how long it stays away: a pair marked once
// comes back the next day, and each further mark when it has come back doubles the time, up to a
// ceiling it keeps. A pair is known by its two texts, so that another category or a rebuilt word
// database holding it keeps the mark.
class KnownWords {
public:
    // Days a pair of each box stays away: 1, 2, 4, 8, 16 and then 32 for ever.
    static constexpr int kLastBox = 6;
    static std::chrono::days timeAway(int box) { return std::chrono::days{1 << (box - 1)}; }

    // Whether the pair is to show: not marked, or its day has come.
    bool isDue(std::string_view english, std::string_view spanish, Day today) const;
    // The learner knows the pair showing `today`. A due pair goes one box on; one that shows before
    // its day (when nothing else is due) stays as it is. The day it shows again.
    Day mark(std::string_view english, std::string_view spanish, Day today);
    void forgetAll() { marks_.clear(); }
    size_t size() const { return marks_.size(); }
    bool empty() const { return marks_.empty(); }

    // The file a person can read: a line of what it is, then one pair a line, as "DAY<tab>BOX<tab>
    // ENGLISH<tab>SPANISH", earliest return first; a backslash, tab or line break inside a text is
    // written \\, \t, \n or \r.
    std::string text() const;
    struct Reading;
    // The pairs of `text`. A line that does not read as a pair is left out and kept as it stands,
    // line end included, so that nothing of it is lost; a line of what it is and an empty line are
    // no pairs and no fault either.
    static Reading read(std::string_view text);

    bool operator==(const KnownWords&) const = default;

private:
    struct Mark {
        int box;
        Day returns;
        bool operator==(const Mark&) const = default;
    };
    using Pair = std::pair<std::string, std::string>;
    using PairView = std::pair<std::string_view, std::string_view>;
    // Looks a pair up by views of the row's texts, without copying them, on every tick.
    struct PairHash {
        using is_transparent = void;
        size_t operator()(PairView pair) const noexcept;
        size_t operator()(const Pair& pair) const noexcept { return (*this)(PairView(pair.first, pair.second)); }
    };
    struct PairEqual {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const noexcept
        {
            return std::string_view(a.first) == std::string_view(b.first) &&
                   std::string_view(a.second) == std::string_view(b.second);
        }
    };

    std::unordered_map<Pair, Mark, PairHash, PairEqual> marks_;
};

struct KnownWords::Reading {
    KnownWords words;
    // The lines that did not read as pairs, as they stand in the file.
    std::string unreadable;
};

}  // namespace vorlix
