// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// First, so that sapi.h defines the identifiers of SAPI's classes and interfaces here, where they
// are used, instead of only declaring them. Then <windows.h>, which sapi.h needs before itself.
#include <initguid.h>

#include "platform/windows/wide_text.h"

#include <cstdio>
#include <string>
#include <vector>

#include <sapi.h>
#include <wrl/client.h>

#include "platform/speech.h"
#include "platform/speech_thread.h"
#include "platform/voice_choice.h"

namespace vorlix {

namespace {

using Microsoft::WRL::ComPtr;

// Where Windows 10 and 11 keep the voices added in Settings, which SAPI's own list leaves out; SAPI
// speaks with them all the same.
const wchar_t kOneCoreVoices[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices";
const char kWhereVoicesAre[] = "Settings > Time & language > Speech";

// The system's voices, and the languages each speaks.
struct VoiceList {
    std::vector<ComPtr<ISpObjectToken>> tokens;
    std::vector<std::vector<Language>> languages;
};

std::vector<Language> languagesOf(ISpObjectToken& token)
{
    ComPtr<ISpDataKey> attributes;
    wchar_t* ids = nullptr;
    if (FAILED(token.OpenKey(L"Attributes", &attributes)) || FAILED(attributes->GetStringValue(L"Language", &ids)))
        return {};
    const std::vector<Language> languages = languagesOfLanguageIds(utf8From(ids));
    CoTaskMemFree(ids);
    return languages;
}

void addVoice(ComPtr<ISpObjectToken> token, VoiceList& voices)
{
    voices.languages.push_back(languagesOf(*token.Get()));
    voices.tokens.push_back(std::move(token));
}

void addVoicesOf(const wchar_t* category, VoiceList& voices)
{
    ComPtr<ISpObjectTokenCategory> listed;
    ComPtr<IEnumSpObjectTokens> tokens;
    if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&listed))) ||
        FAILED(listed->SetId(category, FALSE)) || FAILED(listed->EnumTokens(nullptr, nullptr, &tokens)))
        return;
    ComPtr<ISpObjectToken> token;
    while (tokens->Next(1, token.ReleaseAndGetAddressOf(), nullptr) == S_OK) addVoice(token, voices);
}

// '"Not implemented" (0x80004001)': the code, in Windows' words where it has them.
std::string describe(HRESULT result)
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    wchar_t* words = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::string said = words ? utf8From(std::wstring_view(words, length)) : std::string();
    LocalFree(words);
    while (!said.empty() && (said.back() == '\n' || said.back() == '\r' || said.back() == '.' || said.back() == ' '))
        said.pop_back();
    return said.empty() ? code : "\"" + said + "\" (" + code + ")";
}

// SAPI, the system's speech, called directly. Texts spoken asynchronously queue on one voice
// object, each in the voice set when it was handed over, so the Spanish follows the English.
class SapiVoices : public SpeechThread::Voices {
public:
    SapiVoices() : comStarted_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~SapiVoices() override
    {
        voice_.Reset();
        voices_ = {};
        if (comStarted_) CoUninitialize();
    }

    void say(const std::vector<SpokenText>& texts, const Speech::Trouble& trouble) override
    {
        if (!voice_ && !start(trouble)) return;
        // Stops what is still being said: a request replaces the one before.
        HRESULT result = voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
        std::vector<Language> missing;
        for (const SpokenText& spoken : texts) {
            if (FAILED(result)) break;
            const std::optional<std::size_t> chosen = chooseVoice(spoken.language, voices_.languages, defaultVoice_);
            if (!chosen) {
                missing.push_back(spoken.language);
                continue;
            }
            result = voice_->SetVoice(voices_.tokens[*chosen].Get());
            if (SUCCEEDED(result))
                result = voice_->Speak(wideFrom(spoken.text).c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr);
        }
        if (FAILED(result))
            return trouble("Nothing could be said: Windows speech answered " + describe(result) +
                           ". See the voices in " + kWhereVoicesAre);
        if (!missing.empty()) trouble("No " + languageNames(missing) + " voice: add one in " + kWhereVoicesAre);
    }

private:
    bool start(const Speech::Trouble& trouble)
    {
        const HRESULT result = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&voice_));
        if (FAILED(result)) {
            voice_.Reset();
            trouble("Nothing can be said: Windows speech (SAPI) cannot be started, " + describe(result));
            return false;
        }
        // The default voice first, as the user chose it in the system's settings.
        ComPtr<ISpObjectToken> chosen;
        if (SUCCEEDED(voice_->GetVoice(&chosen)) && chosen) {
            addVoice(chosen, voices_);
            defaultVoice_ = 0;
        }
        addVoicesOf(SPCAT_VOICES, voices_);
        addVoicesOf(kOneCoreVoices, voices_);
        return true;
    }

    bool comStarted_;
    ComPtr<ISpVoice> voice_;
    VoiceList voices_;
    std::optional<std::size_t> defaultVoice_;
};

}  // namespace

std::unique_ptr<Speech> makeSpeech(Speech::Trouble trouble)
{
    return std::make_unique<SpeechThread>(
        [] { return std::make_unique<SapiVoices>(); }, std::move(trouble),
        std::string("Nothing can be said: Windows speech does not answer. See ") + kWhereVoicesAre);
}

}  // namespace vorlix
