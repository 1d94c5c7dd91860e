// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// libmdb follows a table definition's usage-map pointers without bounds checks: a pointer to a
// row that is not there makes it read past its buffers, and a map naming a page past the end of
// the file makes it exit the process. These checks run before libmdb is handed a table.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace vorlix::jet {

// Whole pages of a Jet file, read on demand.
class PageFile {
public:
    // Throws JetError when the file cannot be opened.
    PageFile(const std::string& path, size_t pageSize, uint32_t pageCount);

    size_t pageSize() const { return pageSize_; }
    uint32_t pageCount() const { return pageCount_; }
    // Empty when `page` lies past the end or cannot be read.
    std::optional<std::vector<uint8_t>> read(uint32_t page);

private:
    std::ifstream in_;
    size_t pageSize_;
    uint32_t pageCount_;
};

// Empty when libmdb can follow the table definition on `page` safely; else what is wrong.
std::optional<std::string> tableDefinitionProblem(PageFile& file, uint32_t page, int jetVersion);

// The pages the usage map of the table defined on `page` counts as the table's, in the order
// libmdb reads them; empty when tableDefinitionProblem finds fault with it.
std::vector<uint32_t> tablePages(PageFile& file, uint32_t page, int jetVersion);

}  // namespace vorlix::jet
