#include "words/recordset.h"

#include <strings.h>

namespace vorlix {

namespace {
const std::string kNoValue;
}

Recordset::Recordset(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows))
{
}

void Recordset::MoveNext()
{
    if (position_ < rows_.size()) ++position_;
}

int Recordset::columnIndex(const std::string& name) const
{
    // Jet column names compare without regard to letter case.
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (strcasecmp(columns_[i].c_str(), name.c_str()) == 0) return static_cast<int>(i);
    }
    return -1;
}

const std::string& Recordset::value(int column) const
{
    if (eof() || column < 0) return kNoValue;
    const std::vector<std::string>& row = rows_[position_];
    return static_cast<size_t>(column) < row.size() ? row[column] : kNoValue;
}

}  // namespace vorlix
