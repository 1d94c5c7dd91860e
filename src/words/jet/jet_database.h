// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlix::jet {

// Anything that keeps a Jet file from being read: missing, not a Jet file, damaged, bad query.
class JetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A query met a part of the file that is damaged; the rows handed over before it are sound.
class DamagedFile : public JetError {
public:
    using JetError::JetError;
};

// One row or the column names of a select, as UTF-8 C strings (NULL reads as ""). They live only
// until the callback that receives them returns.
using Fields = std::span<const char* const>;

struct QueryResult {
    std::vector<std::string> columns;            // column names, in table order
    std::vector<std::vector<std::string>> rows;  // UTF-8 text of every column; NULL reads as ""
};

// A Jet3/Jet4 (Access) file opened read-only through libmdb.
class Database {
public:
    // Throws JetError when the file is missing, unreadable or not a Jet database.
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    int jetVersion() const;  // 3 or 4
    // The database password stored in the file's header, decoded ("" when there is none).
    // Neither libmdb nor any other reader checks it; callers compare it themselves.
    const std::string& password() const;
    // Runs one SQL select through libmdbsql and hands over the column names, then each row as it
    // is read; other statements (which could open another file or print to stdout) are refused.
    // Throws JetError when the query fails, DamagedFile when the table's definition or one of
    // its rows is damaged: a row is handed over only once the rows before it have been checked.
    void select(const std::string& sql, const std::function<void(Fields)>& onColumns,
                const std::function<void(Fields)>& onRow);
    // select, with every row kept.
    QueryResult query(const std::string& sql);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Decodes the password field from the first page of a Jet file (at least 0x18 + 128 bytes for
// Jet4, 0x18 + 126 for Jet3). Empty optional when the bytes are no Jet header.
std::optional<std::string> decodePassword(std::span<const uint8_t> firstPage);

}  // namespace vorlix::jet
