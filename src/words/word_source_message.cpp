#include "words/word_source_message.h"

#include "words/categories.h"
#include "words/word_query.h"

namespace vorlix {

namespace {

std::string withDetail(std::string text, const std::string& detail)
{
    return detail.empty() ? text : text + " (" + detail + ")";
}

}  // namespace

std::string wordSourceMessage(WordSourceFailure failure, const std::string& detail,
                              const std::string& folder, int categoryNumber)
{
    const std::string file = kWordDatabaseFile;
    switch (failure) {
    case WordSourceFailure::None:
        return emptyCategoryMessage(categoryNumber);
    case WordSourceFailure::FileMissing:
        return "No words: " + file + " not found in " + folder;
    case WordSourceFailure::Unreadable:
        return withDetail("No words: " + file + " cannot be read", detail);
    case WordSourceFailure::WrongPassword:
        return "No words: " + file + " is protected by another password";
    case WordSourceFailure::QueryFailed:
        return withDetail("No words: the word query failed", detail);
    }
    return "No words";
}

std::string unreadRestMessage(const std::string& detail)
{
    return withDetail("Some words could not be read", detail);
}

std::string emptyCategoryMessage(int categoryNumber)
{
    if (categoryNumber == kAllCategories) return "No words in the word database";
    return "No words in category " + shownCaption(kCategories[categoryNumber]);
}

}  // namespace vorlix
