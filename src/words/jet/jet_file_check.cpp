// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/jet/jet_file_check.h"

#include "words/jet/jet_database.h"
#include "words/jet/little_endian.h"
#include "words/jet/utf8_path.h"

namespace vorlix::jet {
namespace {

constexpr uint8_t kDataPage = 0x01;
constexpr uint8_t kTableDefinitionPage = 0x02;
constexpr uint16_t kRowOffsetMask = 0x1FFF;  // the top bits flag deleted and lookup rows
constexpr uint8_t kInlineMap = 0;
constexpr uint8_t kReferencedMap = 1;
constexpr size_t kInlineMapHeader = 5;  // type byte and start page

// Where the two formats keep what the checks need.
struct Offsets {
    size_t usedPagesMap;
    size_t freePagesMap;
    size_t rowCount;  // on data pages; the row offsets follow it
};

Offsets offsetsFor(int jetVersion)
{
    return jetVersion == 3 ? Offsets{35, 39, 8} : Offsets{55, 59, 12};
}

// Copies row `row` of a data page into `rowBytes`, or says why that row is not there.
std::optional<std::string> rowProblem(const std::vector<uint8_t>& pageBytes, uint8_t row, const Offsets& offsets,
                                      std::vector<uint8_t>& rowBytes)
{
    const size_t pageSize = pageBytes.size();
    if (pageBytes[0] != kDataPage) return "points at a page that holds no rows";
    const uint16_t rows = le::u16(pageBytes.data() + offsets.rowCount);
    const size_t offsetsEnd = offsets.rowCount + 2 + 2 * size_t{rows};
    if (row >= rows || offsetsEnd > pageSize) return "points at a row that is not there";
    const auto offsetOf = [&](size_t i) {
        return size_t{le::u16(pageBytes.data() + offsets.rowCount + 2 + 2 * i)} & kRowOffsetMask;
    };
    const size_t start = offsetOf(row);
    const size_t end = row == 0 ? pageSize : offsetOf(row - 1u);
    if (start < offsetsEnd || start >= end || end > pageSize) return "points at a row that lies outside its page";
    rowBytes.assign(pageBytes.begin() + static_cast<std::ptrdiff_t>(start),
                    pageBytes.begin() + static_cast<std::ptrdiff_t>(end));
    return std::nullopt;
}

std::optional<std::string> mapProblem(PageFile& file, uint32_t pointer, const Offsets& offsets)
{
    const uint32_t page = pointer >> 8;
    if (page == 0 || page >= file.pageCount()) return "points past the end of the file";
    const auto pageBytes = file.read(page);
    if (!pageBytes) return "points at a page that cannot be read";
    std::vector<uint8_t> map;
    if (auto problem = rowProblem(*pageBytes, static_cast<uint8_t>(pointer & 0xFF), offsets, map)) return problem;

    if (map[0] == kInlineMap) {
        if (map.size() < kInlineMapHeader) return "is too short";
        // A page the map counts as the table's but the file does not hold: the file was cut short.
        const uint64_t start = le::u32(map.data() + 1);
        for (size_t bit = 0; bit < (map.size() - kInlineMapHeader) * 8; ++bit) {
            if ((map[kInlineMapHeader + bit / 8] >> (bit % 8) & 1) && start + bit >= file.pageCount())
                return "names a page past the end of the file";
        }
        return std::nullopt;
    }
    if (map[0] != kReferencedMap) return "is of an unknown kind";
    for (size_t at = 1; at + 4 <= map.size(); at += 4) {
        const uint32_t mapPage = le::u32(map.data() + at);
        if (mapPage != 0 && mapPage >= file.pageCount()) return "names a map page past the end of the file";
    }
    return std::nullopt;
}

// The pages whose bits are set in `bitmap`, the first bit standing for page `first`.
void appendMarkedPages(std::span<const uint8_t> bitmap, uint64_t first, uint32_t pageCount,
                       std::vector<uint32_t>& pages)
{
    for (size_t bit = 0; bit < bitmap.size() * 8; ++bit) {
        if ((bitmap[bit / 8] >> (bit % 8) & 1) && first + bit < pageCount) pages.push_back(uint32_t(first + bit));
    }
}

}  // namespace

PageFile::PageFile(const std::string& path, size_t pageSize, uint32_t pageCount)
    : in_(utf8Path(path), std::ios::binary), pageSize_(pageSize), pageCount_(pageCount)
{
    if (!in_) throw JetError("cannot be read: " + path);
}

std::optional<std::vector<uint8_t>> PageFile::read(uint32_t page)
{
    if (page >= pageCount_) return std::nullopt;
    std::vector<uint8_t> bytes(pageSize_);
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(page) * static_cast<std::streamoff>(pageSize_));
    in_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(pageSize_));
    if (static_cast<size_t>(in_.gcount()) != pageSize_) return std::nullopt;
    return bytes;
}

std::optional<std::string> tableDefinitionProblem(PageFile& file, uint32_t page, int jetVersion)
{
    const auto definition = file.read(page);
    if (!definition) return "its definition lies past the end of the file";
    if ((*definition)[0] != kTableDefinitionPage) return "its definition page holds something else";
    const Offsets offsets = offsetsFor(jetVersion);
    for (const size_t at : {offsets.usedPagesMap, offsets.freePagesMap}) {
        if (auto problem = mapProblem(file, le::u32(definition->data() + at), offsets)) {
            return "its usage map " + *problem;
        }
    }
    return std::nullopt;
}

std::vector<uint32_t> tablePages(PageFile& file, uint32_t page, int jetVersion)
{
    std::vector<uint32_t> pages;
    if (tableDefinitionProblem(file, page, jetVersion)) return pages;
    const Offsets offsets = offsetsFor(jetVersion);
    const uint32_t pointer = le::u32(file.read(page)->data() + offsets.usedPagesMap);
    std::vector<uint8_t> map;
    if (rowProblem(*file.read(pointer >> 8), static_cast<uint8_t>(pointer & 0xFF), offsets, map)) return pages;
    if (map[0] == kInlineMap) {
        appendMarkedPages(std::span(map).subspan(kInlineMapHeader), le::u32(map.data() + 1), file.pageCount(), pages);
        return pages;
    }
    // Each map page holds the bits of as many pages as it has bits, after its own four bytes.
    constexpr size_t kMapPageHeader = 4;
    const uint64_t pagesAMapPage = (file.pageSize() - kMapPageHeader) * 8;
    for (size_t at = 1, index = 0; at + 4 <= map.size(); at += 4, ++index) {
        const uint32_t mapPage = le::u32(map.data() + at);
        if (mapPage == 0) continue;
        if (const auto bits = file.read(mapPage))
            appendMarkedPages(std::span(*bits).subspan(kMapPageHeader), index * pagesAMapPage, file.pageCount(), pages);
    }
    return pages;
}

}  // namespace vorlix::jet
