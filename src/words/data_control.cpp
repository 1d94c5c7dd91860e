#include "words/data_control.h"

#include <filesystem>
#include <strings.h>

#include "words/jet/jet_database.h"

namespace vorlix {

std::string connectPassword(const std::string& connect)
{
    // Segments are separated by ";", each "key=value"; the value runs to the next ";".
    size_t start = 0;
    while (start <= connect.size()) {
        size_t end = connect.find(';', start);
        if (end == std::string::npos) end = connect.size();
        const std::string segment = connect.substr(start, end - start);
        const size_t eq = segment.find('=');
        if (eq != std::string::npos && strcasecmp(segment.substr(0, eq).c_str(), "pwd") == 0) {
            return segment.substr(eq + 1);
        }
        start = end + 1;
    }
    return "";
}

bool DataControl::Refresh()
{
    recordset_ = Recordset();
    failure_ = WordSourceFailure::None;
    detail_.clear();

    std::error_code ec;
    if (!std::filesystem::is_regular_file(DatabaseName, ec)) {
        failure_ = std::filesystem::exists(DatabaseName, ec) ? WordSourceFailure::Unreadable
                                                            : WordSourceFailure::FileMissing;
        return false;
    }
    try {
        jet::Database db(DatabaseName);
        // Like the engine, a file without a password opens with any; one with a password needs
        // exactly that password, letter case included.
        if (!db.password().empty() && db.password() != connectPassword(Connect)) {
            failure_ = WordSourceFailure::WrongPassword;
            return false;
        }
        failure_ = WordSourceFailure::QueryFailed;
        jet::QueryResult result = db.query(RecordSource);
        recordset_ = Recordset(std::move(result.columns), std::move(result.rows));
        failure_ = WordSourceFailure::None;
        return true;
    } catch (const jet::JetError& e) {
        if (failure_ == WordSourceFailure::None) failure_ = WordSourceFailure::Unreadable;
        detail_ = e.what();
        return false;
    }
}

}  // namespace vorlix
