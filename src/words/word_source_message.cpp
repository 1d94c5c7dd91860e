// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/word_source_message.h"

#include <optional>

#include "words/ascii_text.h"
#include "words/categories.h"
#include "words/word_query.h"

namespace vorlix {

namespace {

std::string withDetail(std::string text, const std::string& detail)
{
    return detail.empty() ? text : text + " (" + detail + ")";
}

// What the word reader says about the database file itself: "WHAT: PATH" or "WHAT: PATH (WHY)",
// PATH being the word database in `folder`.
struct FileProblem {
    std::string what;
    std::string why;
    std::string path;
};

std::optional<FileProblem> fileProblem(const std::string& detail, const std::string& folder)
{
    const std::string file = kWordDatabaseFile;
    const size_t at = detail.find(": " + folder);
    if (at == std::string::npos) return std::nullopt;
    const size_t pathStart = at + 2;
    // The folder, one separator, the file.
    const size_t pathEnd = pathStart + folder.size() + 1 + file.size();
    if (pathEnd > detail.size() || detail.compare(pathEnd - file.size(), file.size(), file) != 0) return std::nullopt;
    const std::string rest = detail.substr(pathEnd);
    std::string why;
    if (!rest.empty()) {
        if (rest.size() < 3 || rest.compare(0, 2, " (") != 0 || rest.back() != ')') return std::nullopt;
        why = rest.substr(2, rest.size() - 3);
    }
    return FileProblem{detail.substr(0, at), why, detail.substr(pathStart, pathEnd - pathStart)};
}

// "LEAD (REASON): PATH" for a problem with the file, so that the reason is said once and the path
// last; any other detail in parentheses after the lead.
std::string aboutTheFile(const std::string& lead, const std::string& detail, const std::string& folder)
{
    const std::optional<FileProblem> problem = fileProblem(detail, folder);
    if (!problem) return withDetail(lead, detail);
    // "cannot be read" is what the lead says already; only why is left to say.
    const std::string reason = problem->what == "cannot be read" ? inSentence(problem->why)
                               : problem->why.empty()            ? problem->what
                                                                 : problem->what + ": " + inSentence(problem->why);
    return (reason.empty() ? lead : lead + " (" + reason + ")") + ": " + problem->path;
}

}  // namespace

std::string inSentence(std::string reason)
{
    if (reason.size() > 1 && reason[0] >= 'A' && reason[0] <= 'Z' && reason[1] >= 'a' && reason[1] <= 'z')
        reason[0] = asciiLower(reason[0]);
    return reason;
}

std::string wordSourceMessage(WordSourceFailure failure, const std::string& detail, const std::string& folder,
                              int categoryNumber)
{
    const std::string file = kWordDatabaseFile;
    switch (failure) {
    case WordSourceFailure::None: return emptyCategoryMessage(categoryNumber);
    case WordSourceFailure::FileMissing: return "No words: " + file + " not found in " + folder;
    case WordSourceFailure::Unreadable: return aboutTheFile("No words: " + file + " cannot be read", detail, folder);
    case WordSourceFailure::WrongPassword: return "No words: " + file + " is protected by another password";
    case WordSourceFailure::QueryFailed: return withDetail("No words: the word query failed", detail);
    }
    return "No words";
}

std::string unreadRestMessage(const std::string& detail, const std::string& folder)
{
    return aboutTheFile("Some words could not be read", detail, folder);
}

std::string emptyCategoryMessage(int categoryNumber)
{
    if (categoryNumber == kAllCategories) return "No words in the word database";
    return "No words in category " + shownCaption(kCategories[categoryNumber]);
}

}  // namespace vorlix
