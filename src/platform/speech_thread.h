// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/speech.h"

namespace vorlix {

// Speech whose requests reach the system on a thread of their own, started with the first one, so
// that the window never waits on the system: a service takes a moment to start, and one may stop
// answering altogether.
class SpeechThread final : public Speech {
public:
    // The system's voices, as the thread hands requests to them. Made on the thread, with the first
    // request, so that what the system gives out belongs to that thread.
    class Voices {
    public:
        virtual ~Voices() = default;
        virtual void say(const std::vector<SpokenText>& texts, const Trouble& trouble) = 0;
    };
    using MakeVoices = std::function<std::unique_ptr<Voices>()>;

    // `noAnswer` is the trouble line for a request the system has kept longer than `patience`, and
    // for each one made while it keeps it.
    SpeechThread(MakeVoices makeVoices, Trouble trouble, std::string noAnswer,
                 std::chrono::milliseconds patience = std::chrono::seconds(10));
    // Says nothing more, and leaves the thread to end by itself: it may be waiting on a service
    // that never answers.
    ~SpeechThread() override;
    SpeechThread(const SpeechThread&) = delete;
    SpeechThread& operator=(const SpeechThread&) = delete;

    // A request made while another waits for the thread takes its place.
    void say(std::vector<SpokenText> texts) override;

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);
    static void watch(const std::shared_ptr<Shared>& shared);
    std::shared_ptr<Shared> shared_;
};

}  // namespace vorlix
