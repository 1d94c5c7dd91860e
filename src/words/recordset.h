#pragma once

#include <string>
#include <vector>

namespace vorlix {

// The open result of the word query with a current position. Past the last row (EOF; named in lower case since <cstdio> takes the upper-case name as a macro) there is
// no current row and every column reads as "".
class Recordset {
public:
    Recordset() = default;
    Recordset(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);

    bool eof() const { return position_ >= rows_.size(); }
    void MoveFirst() { position_ = 0; }
    void MoveNext();

    size_t RecordCount() const { return rows_.size(); }
    // -1 when the result has no such column.
    int columnIndex(const std::string& name) const;
    const std::string& value(int column) const;

private:
    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> rows_;
    size_t position_ = 0;
};

}  // namespace vorlix
