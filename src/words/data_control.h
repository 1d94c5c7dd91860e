#pragma once

#include <string>

#include "words/recordset.h"

namespace vorlix {

// Why the word source has no rows to show.
enum class WordSourceFailure {
    None,
    FileMissing,     // no file at DatabaseName
    Unreadable,      // not a Jet file, damaged, or the operating system refuses it
    WrongPassword,   // the file is protected by a password other than Connect's
    QueryFailed,     // the engine rejected RecordSource
};

// The word window's data control: where the words are, the password, and the query. Refresh
// opens the file read-only, checks the password, runs the query and makes the first row current.
class DataControl {
public:
    std::string DatabaseName;
    std::string Connect = "Access";
    std::string RecordSource;

    // False when there is no word set; failure() and detail() then say why.
    bool Refresh();

    Recordset& recordset() { return recordset_; }
    WordSourceFailure failure() const { return failure_; }
    const std::string& detail() const { return detail_; }

private:
    Recordset recordset_;
    WordSourceFailure failure_ = WordSourceFailure::None;
    std::string detail_;
};

// The password of a connection text such as ";pwd=secret" ("" when it names none).
std::string connectPassword(const std::string& connect);

}  // namespace vorlix
