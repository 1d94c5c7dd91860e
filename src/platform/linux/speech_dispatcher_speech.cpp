// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <csignal>
#include <cstdlib>
#include <string_view>

#include <libspeechd.h>
#include <pthread.h>

#include "app/logging.h"
#include "platform/speech.h"
#include "platform/speech_thread.h"
#include "platform/voice_choice.h"

namespace vorlix {

namespace {

// speech-dispatcher, the desktop's speech service, through its own client library. It queues what
// a client says at the priority of text, each message in the language set when it came: the
// Spanish follows the English without waiting for its end, which never comes where the audio
// fails.
class SpeechDispatcherVoices : public SpeechThread::Voices {
public:
    SpeechDispatcherVoices()
    {
        // The library writes to the service's socket; once the service has ended, that would raise
        // SIGPIPE and end the program. Blocked here, on the speech's own thread, the write fails
        // instead.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    }
    ~SpeechDispatcherVoices() override { disconnect(); }

    void say(const std::vector<SpokenText>& texts, const Speech::Trouble& trouble) override
    {
        // A service restarted since the last request has dropped the connection: one more try on a
        // new one.
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (!connection_ && !connect())
                return trouble(
                    "Nothing can be said: no speech service. Install speech-dispatcher and "
                    "speech-dispatcher-espeak-ng");
            if (handOver(texts, trouble)) return;
            disconnect();
        }
        trouble("Nothing could be said: speech-dispatcher refused the words");
    }

private:
    bool connect()
    {
        char* error = nullptr;
        // The service is started here when it does not run yet, which takes it about half a second.
        connection_ = spd_open2("vorlix", "words", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
        if (error) qCDebug(speechLog) << "speech-dispatcher:" << error;
        std::free(error);
        return connection_ != nullptr;
    }

    void disconnect()
    {
        if (connection_) spd_close(connection_);
        connection_ = nullptr;
        voices_.reset();
    }

    // The languages of each voice of the service's output module; none where it would not say.
    std::optional<std::vector<std::vector<Language>>> listVoices()
    {
        // espeak-ng, which the package recommends, speaks both: its 13,000 or so voices, which the
        // library takes over a second to read, are not asked for.
        char* module = spd_get_output_module(connection_);
        const bool espeak = module && (std::string_view(module) == "espeak-ng" || std::string_view(module) == "espeak");
        std::free(module);
        if (espeak) return std::vector<std::vector<Language>>{{Language::English, Language::Spanish}};
        SPDVoice** listed = spd_list_synthesis_voices(connection_);
        if (!listed) return std::nullopt;
        std::vector<std::vector<Language>> voices;
        for (SPDVoice** voice = listed; *voice; ++voice) {
            const std::optional<Language> language = languageOfTag((*voice)->language ? (*voice)->language : "");
            voices.push_back(language ? std::vector{*language} : std::vector<Language>{});
        }
        free_spd_voices(listed);
        return voices;
    }

    // False where the service did not take it.
    bool handOver(const std::vector<SpokenText>& texts, const Speech::Trouble& trouble)
    {
        if (spd_cancel(connection_) != 0) return false;
        std::vector<Language> missing;
        for (const SpokenText& spoken : texts) {
            // English is said in the module's default voice where it has no English one, so the
            // first English goes out before the voices are asked for: it is heard while they come
            // from a module other than espeak-ng.
            if (!voices_ && spoken.language != Language::English) voices_ = listVoices();
            // The module picks its voice by language, its own default where it has none of the
            // language: the first voice it lists stands for that.
            const std::optional<std::size_t> moduleDefault =
                !voices_ || voices_->empty() ? std::nullopt : std::optional<std::size_t>(0);
            if (voices_ && !chooseVoice(spoken.language, *voices_, moduleDefault)) {
                missing.push_back(spoken.language);
                continue;
            }
            const char* tag = spoken.language == Language::English ? "en" : "es";
            if (spd_set_language(connection_, tag) != 0 || spd_say(connection_, SPD_TEXT, spoken.text.c_str()) < 0)
                return false;
        }
        if (!missing.empty()) trouble("No " + languageNames(missing) + " voice: install speech-dispatcher-espeak-ng");
        return true;
    }

    SPDConnection* connection_ = nullptr;
    // Asked for once a connection has a text that needs them; until then, every text goes out.
    std::optional<std::vector<std::vector<Language>>> voices_;
};

}  // namespace

std::unique_ptr<Speech> makeSpeech(Speech::Trouble trouble)
{
    return std::make_unique<SpeechThread>([] { return std::make_unique<SpeechDispatcherVoices>(); }, std::move(trouble),
                                          "Nothing can be said: speech-dispatcher does not answer. End it "
                                          "(pkill speech-dispatcher) and try again");
}

}  // namespace vorlix
