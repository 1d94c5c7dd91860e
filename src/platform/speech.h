// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorlix {

// The languages of the word pairs.
enum class Language { English, Spanish };

struct SpokenText {
    std::string text;  // UTF-8
    Language language;
};

// The system's voices.
class Speech {
public:
    // Takes a line for the word window where a request cannot be said in full: what went wrong, and
    // what to install or where. It may be called on a thread of the speech's own.
    using Trouble = std::function<void(const std::string& line)>;

    virtual ~Speech() = default;
    // Stops whatever is still being said and says `texts`, one after another, each in a voice of
    // its language; returns at once. What has no voice, or what the system refuses, goes to the
    // trouble line, and the rest is still said.
    virtual void say(std::vector<SpokenText> texts) = 0;
};

// The system's own speech: speech-dispatcher on Linux, SAPI on Windows. Nothing of it starts before
// the first request.
std::unique_ptr<Speech> makeSpeech(Speech::Trouble trouble);

}  // namespace vorlix
