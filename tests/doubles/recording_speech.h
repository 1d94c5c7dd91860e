// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include "platform/speech.h"

namespace vorlix::test {

// Speech that keeps the requests it is given, each of which stops the one before, as lines such as
// "en:rain es:la lluvia", instead of saying them; with a `refusal` it answers every request with
// that line, as a failing engine does.
struct RecordingSpeech : Speech {
    Trouble trouble;
    std::string refusal;
    QStringList requests;
    RecordingSpeech(Trouble trouble, std::string refusal) : trouble(std::move(trouble)), refusal(std::move(refusal)) {}
    void say(std::vector<SpokenText> texts) override
    {
        QStringList said;
        for (const SpokenText& spoken : texts)
            said << (spoken.language == Language::English ? "en:" : "es:") + QString::fromStdString(spoken.text);
        requests << said.join(' ');
        if (!refusal.empty()) trouble(refusal);
    }
};

}  // namespace vorlix::test
