// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "word_list.h"

namespace vorlix::wordbase {

// The pairs of the word database at `databasePath`, in its order, read by the word reader
// `readerProgram` as the program reads them: the Jet library, which trusts the file it is handed,
// runs only in that process of its own, within its limits. Without `password` it opens what the
// program opens: a database with the program's password or with none. Throws BuildError naming
// the file when it cannot be read: damaged, no word database, or protected by another password.
std::vector<WordPair> readDatabasePairs(const std::string& readerProgram, const std::string& databasePath,
                                        const std::string& password);

}  // namespace vorlix::wordbase
