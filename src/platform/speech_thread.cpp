// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/speech_thread.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace vorlix {

using Clock = std::chrono::steady_clock;

struct SpeechThread::Shared {
    MakeVoices makeVoices;
    Trouble trouble;
    std::string noAnswer;
    std::chrono::milliseconds patience;

    std::mutex mutex;
    // Rung for a request, for each hand-over begun and ended, and at the end.
    std::condition_variable changed;
    std::optional<std::vector<SpokenText>> next;
    bool started = false;
    bool ended = false;
    // While a request is with the system: since when, and which one it is.
    std::optional<Clock::time_point> withTheSystemSince;
    unsigned handOvers = 0;

    // Under the lock, so that no line is on its way once the speech has ended: the window it goes to
    // may be gone then.
    void report(const std::string& line)
    {
        const std::lock_guard lock(mutex);
        if (!ended) trouble(line);
    }
    bool systemHolds(std::chrono::milliseconds longer) const
    {
        return withTheSystemSince && Clock::now() - *withTheSystemSince > longer;
    }
};

SpeechThread::SpeechThread(MakeVoices makeVoices, Trouble trouble, std::string noAnswer,
                           std::chrono::milliseconds patience)
    : shared_(std::make_shared<Shared>())
{
    shared_->makeVoices = std::move(makeVoices);
    shared_->trouble = std::move(trouble);
    shared_->noAnswer = std::move(noAnswer);
    shared_->patience = patience;
}

SpeechThread::~SpeechThread()
{
    const std::lock_guard lock(shared_->mutex);
    shared_->ended = true;
    shared_->changed.notify_all();
}

void SpeechThread::say(std::vector<SpokenText> texts)
{
    const std::lock_guard lock(shared_->mutex);
    Shared& shared = *shared_;
    // It waits behind a request the system has not taken: the watch has said so for that one.
    if (shared.systemHolds(shared.patience)) shared.trouble(shared.noAnswer);
    shared.next = std::move(texts);
    if (!shared.started) {
        std::thread(run, shared_).detach();
        std::thread(watch, shared_).detach();
        shared.started = true;
    }
    shared.changed.notify_all();
}

void SpeechThread::run(const std::shared_ptr<Shared>& shared)
{
    std::unique_ptr<Voices> voices;
    const Trouble report = [&shared](const std::string& line) { shared->report(line); };
    for (;;) {
        std::vector<SpokenText> texts;
        {
            std::unique_lock lock(shared->mutex);
            shared->changed.wait(lock, [&] { return shared->ended || shared->next; });
            if (shared->ended) return;
            texts = std::move(*shared->next);
            shared->next.reset();
            shared->withTheSystemSince = Clock::now();
            ++shared->handOvers;
            shared->changed.notify_all();
        }
        if (!voices) voices = shared->makeVoices();
        voices->say(texts, report);
        const std::lock_guard lock(shared->mutex);
        shared->withTheSystemSince.reset();
        shared->changed.notify_all();
    }
}

void SpeechThread::watch(const std::shared_ptr<Shared>& shared)
{
    // The thread that hands a request over cannot say that the system keeps it: this one does, once
    // for each request kept longer than the patience.
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&] { return shared->ended || shared->withTheSystemSince; });
        if (shared->ended) return;
        const unsigned request = shared->handOvers;
        const auto moved = [&] { return shared->ended || shared->handOvers != request || !shared->withTheSystemSince; };
        if (shared->changed.wait_until(lock, *shared->withTheSystemSince + shared->patience, moved)) continue;
        shared->trouble(shared->noAnswer);
        shared->changed.wait(lock, moved);
    }
}

}  // namespace vorlix
