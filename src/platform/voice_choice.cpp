// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/voice_choice.h"

#include <algorithm>
#include <charconv>

#include "words/ascii_text.h"

namespace vorlix {

namespace {

const char* languageName(Language language)
{
    return language == Language::English ? "English" : "Spanish";
}

bool speaks(const std::vector<Language>& voice, Language language)
{
    return std::find(voice.begin(), voice.end(), language) != voice.end();
}

}  // namespace

std::string languageNames(const std::vector<Language>& languages)
{
    std::string names;
    for (const Language language : languages)
        names += (names.empty() ? "" : " or ") + std::string(languageName(language));
    return names;
}

std::optional<Language> languageOfTag(std::string_view tag)
{
    const std::string primary = asciiLower(tag.substr(0, tag.find_first_of("-_")));
    if (primary == "en") return Language::English;
    if (primary == "es") return Language::Spanish;
    return std::nullopt;
}

std::vector<Language> languagesOfLanguageIds(std::string_view ids)
{
    // The low ten bits of an identifier are the language, the rest its region.
    constexpr unsigned kPrimaryLanguage = 0x3ff, kEnglish = 0x09, kSpanish = 0x0a;
    std::vector<Language> languages;
    while (!ids.empty()) {
        const std::string_view id = ids.substr(0, ids.find(';'));
        unsigned value = 0;
        const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), value, 16);
        if (error == std::errc() && end == id.data() + id.size()) {
            if ((value & kPrimaryLanguage) == kEnglish) languages.push_back(Language::English);
            if ((value & kPrimaryLanguage) == kSpanish) languages.push_back(Language::Spanish);
        }
        ids.remove_prefix(std::min(ids.size(), id.size() + 1));
    }
    return languages;
}

std::optional<std::size_t> chooseVoice(Language language, const std::vector<std::vector<Language>>& voices,
                                       std::optional<std::size_t> defaultVoice)
{
    if (defaultVoice && *defaultVoice < voices.size() && speaks(voices[*defaultVoice], language)) return defaultVoice;
    for (std::size_t voice = 0; voice < voices.size(); ++voice)
        if (speaks(voices[voice], language)) return voice;
    if (language == Language::English) return defaultVoice;
    return std::nullopt;
}

}  // namespace vorlix
