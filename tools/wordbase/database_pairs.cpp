// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "database_pairs.h"

#include "word_database.h"
#include "words/data_control.h"
#include "words/word_query.h"

namespace vorlix::wordbase {

std::vector<WordPair> readDatabasePairs(const std::string& readerProgram, const std::string& databasePath,
                                        const std::string& password)
{
    DataControl source;
    source.DatabaseName = databasePath;
    // A database the program shows opens with the program's own password, or with none.
    source.Connect = password.empty() ? wordConnect() : ";pwd=" + password;
    source.RecordSource = "select * from word ";
    source.readerProgram = readerProgram;
    source.Open();
    if (!source.finishLoading()) {
        const std::string why = source.failure() != WordSourceFailure::WrongPassword ? source.detail()
                                : password.empty() ? "it is protected by a password; give it with --password"
                                                   : "it is protected by another password than the one given";
        throw BuildError(databasePath + ": cannot be read, so nothing can be added to it (" + why + ")");
    }
    Recordset& rows = source.recordset();
    const int category = rows.columnIndex("category");
    const int english = rows.columnIndex("english");
    const int spanish = rows.columnIndex("spanish");
    if (category < 0 || english < 0 || spanish < 0) {
        throw BuildError(databasePath + ": its table word lacks the columns category, english and spanish");
    }
    std::vector<WordPair> pairs;
    pairs.reserve(rows.RecordCount());
    for (rows.MoveFirst(); !rows.eof(); rows.MoveNext()) {
        pairs.push_back(
            {std::string(rows.value(category)), std::string(rows.value(english)), std::string(rows.value(spanish))});
    }
    return pairs;
}

}  // namespace vorlix::wordbase
