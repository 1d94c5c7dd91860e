// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "platform/speech.h"

namespace vorlix {

inline bool operator==(const SpokenText& a, const SpokenText& b)
{
    return a.text == b.text && a.language == b.language;
}

namespace test {

// Speech that keeps the requests it is given, each of which stops the one before, instead of
// saying them; with a `refusal` line it answers every request with it, as a failing engine does.
class RecordingSpeech : public Speech {
public:
    RecordingSpeech(Trouble trouble, std::string refusal) : trouble_(std::move(trouble)), refusal_(std::move(refusal))
    {
    }
    std::vector<std::vector<SpokenText>> requests;
    void say(std::vector<SpokenText> texts) override
    {
        requests.push_back(std::move(texts));
        if (!refusal_.empty()) trouble_(refusal_);
    }

private:
    Trouble trouble_;
    std::string refusal_;
};

}  // namespace test
}  // namespace vorlix
