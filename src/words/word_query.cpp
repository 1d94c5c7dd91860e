// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/word_query.h"

#include <filesystem>

#include "words/categories.h"
#include "words/jet/utf8_path.h"

namespace vorlix {

void BuildWordQuery(Module1& m)
{
    const int number = effectiveCategory(m.guage);
    if (number == kAllCategories) return;
    m.categoryFilter = std::string("'").append(kCategories[number].name).append("'");
}

std::string wordRecordSource(const Module1& m)
{
    if (effectiveCategory(m.guage) == kAllCategories) return "select * from word ";
    return "select * from word where category= " + m.categoryFilter;
}

std::string wordDatabaseName(const std::string& programFolder, char separator)
{
    return programFolder + separator + kWordDatabaseFile;
}

std::string wordDatabaseFolder(const std::string& programFolder, const std::optional<std::string>& userFolder,
                               char separator)
{
    if (!userFolder) return programFolder;
    std::error_code ec;
    const auto own = std::filesystem::symlink_status(jet::utf8Path(wordDatabaseName(*userFolder, separator)), ec);
    return std::filesystem::exists(own) ? *userFolder : programFolder;
}

std::string wordConnect()
{
    return std::string(";pwd=") + VORLIX_WORD_DB_PASSWORD;
}

}  // namespace vorlix
