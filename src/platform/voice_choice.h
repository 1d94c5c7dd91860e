// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/speech.h"

namespace vorlix {

// "Spanish", "English or Spanish": the languages a line of the window says have no voice.
std::string languageNames(const std::vector<Language>& languages);

// The language of a voice tagged the ISO 639 way ("en", "en-US", "es_419"), as speech-dispatcher
// tags them; none for another language.
std::optional<Language> languageOfTag(std::string_view tag);

// The languages of a SAPI voice, whose "Language" attribute lists Windows language identifiers in
// hex ("409", "c0a;40a"): any region of the language counts.
std::vector<Language> languagesOfLanguageIds(std::string_view ids);

// The voice that says `language`, out of voices given by the languages each speaks: the default
// voice where it speaks it, else the first that does. English falls back on the default voice, as
// the system would speak it anyway; another language has none then.
std::optional<std::size_t> chooseVoice(Language language, const std::vector<std::vector<Language>>& voices,
                                       std::optional<std::size_t> defaultVoice);

}  // namespace vorlix
