// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "doubles/recording_speech.h"
#include "platform/speech_thread.h"

using namespace vorlix;
using namespace std::chrono_literals;

namespace {

// What the system was handed, on which thread; while `held`, it keeps a request, as a service that
// does not answer. A request of one text is refused with the line "no TEXT".
struct System {
    std::mutex mutex;
    std::condition_variable changed;
    bool held = false;
    int voicesMade = 0;
    std::vector<std::vector<SpokenText>> handed;
    std::vector<std::thread::id> threads;
    std::vector<std::string> lines;

    void hold(bool keep)
    {
        const std::lock_guard lock(mutex);
        held = keep;
        changed.notify_all();
    }
    std::vector<std::string> linesSoFar()
    {
        const std::lock_guard lock(mutex);
        return lines;
    }
    bool waitForRequests(std::size_t count)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 5s, [&] { return handed.size() >= count; });
    }
};

class HeldVoices : public SpeechThread::Voices {
public:
    explicit HeldVoices(std::shared_ptr<System> system) : system_(std::move(system)) {}
    void say(const std::vector<SpokenText>& texts, const Speech::Trouble& trouble) override
    {
        std::unique_lock lock(system_->mutex);
        system_->handed.push_back(texts);
        system_->threads.push_back(std::this_thread::get_id());
        system_->changed.notify_all();
        system_->changed.wait(lock, [&] { return !system_->held; });
        lock.unlock();
        if (texts.size() == 1) trouble("no " + texts[0].text);
    }

private:
    std::shared_ptr<System> system_;
};

std::unique_ptr<SpeechThread> speechOver(const std::shared_ptr<System>& system, std::chrono::milliseconds patience)
{
    return std::make_unique<SpeechThread>(
        [system] {
            ++system->voicesMade;
            return std::make_unique<HeldVoices>(system);
        },
        [system](const std::string& line) {
            const std::lock_guard lock(system->mutex);
            system->lines.push_back(line);
        },
        "no answer", patience);
}

const std::vector<SpokenText> rain = {{"rain", Language::English}, {"la lluvia", Language::Spanish}};
const std::vector<SpokenText> snow = {{"snow", Language::English}, {"la nieve", Language::Spanish}};
const std::vector<SpokenText> wind = {{"wind", Language::English}};

}  // namespace

class TestSpeechThread : public QObject {
    Q_OBJECT
private slots:
    // The voices are made with the first request, on a thread that is not the caller's, and keep
    // to it; a request made while another waits for the thread takes its place.
    void requestsReachTheSystemOnAThreadOfTheirOwn()
    {
        const auto system = std::make_shared<System>();
        const auto speech = speechOver(system, 5s);
        QCOMPARE(system->voicesMade, 0);
        system->hold(true);
        speech->say(rain);
        QVERIFY(system->waitForRequests(1));
        speech->say(snow);
        speech->say(wind);
        system->hold(false);
        QVERIFY(system->waitForRequests(2));
        QTRY_COMPARE(system->linesSoFar(), std::vector<std::string>{"no wind"});
        const std::lock_guard lock(system->mutex);
        QVERIFY(system->handed == (std::vector{rain, wind}));
        QCOMPARE(system->voicesMade, 1);
        QVERIFY(system->threads[0] != std::this_thread::get_id());
        QCOMPARE(system->threads[1], system->threads[0]);
    }

    // A request the system keeps longer than the patience is reported once, and a request made
    // meanwhile at once; once the speech is gone, what the system says reaches nobody.
    void aSystemThatDoesNotAnswerIsReported()
    {
        const auto system = std::make_shared<System>();
        auto speech = speechOver(system, 50ms);
        system->hold(true);
        speech->say(wind);
        QVERIFY(system->waitForRequests(1));
        speech->say(rain);
        QTRY_COMPARE(system->linesSoFar(), std::vector<std::string>{"no answer"});
        std::this_thread::sleep_for(100ms);
        QCOMPARE(system->linesSoFar().size(), size_t(1));
        speech->say(snow);
        QCOMPARE(system->linesSoFar(), (std::vector<std::string>{"no answer", "no answer"}));
        speech.reset();
        system->hold(false);
        std::this_thread::sleep_for(100ms);
        QCOMPARE(system->linesSoFar().size(), size_t(2));
    }
};

QTEST_MAIN(TestSpeechThread)
#include "test_speech_thread.moc"
