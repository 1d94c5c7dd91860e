// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Layout of a Jet file's first page, shared by the reader (which decodes the password itself,
// since libmdb ignores it) and by the wordbase writer, so both agree on every offset.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vorlix::jet::header {

inline constexpr size_t kMagicLength = 0x14;  // 00 01 00 00 "Standard Jet DB\0"
inline constexpr size_t kVersionOffset = 0x14;
inline constexpr uint8_t kVersionJet3 = 0;
inline constexpr uint8_t kVersionJet4 = 1;
inline constexpr uint8_t kLatestVersion = 6;  // the newest ACE revision libmdb opens

// Bytes the engine keeps RC4-scrambled; everything below lies inside this region.
inline constexpr size_t kScrambledOffset = 0x18;
inline constexpr size_t kScrambledLengthJet3 = 126;
inline constexpr size_t kScrambledLengthJet4 = 128;

inline constexpr size_t kCodePageOffset = 0x3C;
inline constexpr uint16_t kCodePageWindows1252 = 1252;
inline constexpr size_t kDatabaseKeyOffset = 0x3E;  // non-zero would mean encrypted pages
inline constexpr size_t kPasswordOffset = 0x42;
inline constexpr size_t kPasswordLengthJet3 = 20;  // bytes in the code page
inline constexpr size_t kPasswordLengthJet4 = 40;  // UTF-16LE, so at most 20 characters
inline constexpr size_t kSortOrderOffset = 0x6E;
inline constexpr uint32_t kSortOrderGeneral = 0x0409;
inline constexpr size_t kCreationDateOffset = 0x72;  // double, days since 1899-12-30

inline constexpr size_t kPageSizeJet3 = 2048;
inline constexpr size_t kPageSizeJet4 = 4096;

// The magic with the "Jet" spelling; ACE files carry "ACE" in its place.
extern const std::array<uint8_t, kMagicLength> kJetMagic;

// RC4 with the key every engine uses for the header. It is its own inverse: the same call
// scrambles plain bytes and unscrambles stored ones.
void scramble(std::span<uint8_t> region);

// Jet4 XORs the password field with the creation date's whole days (low 4 bytes, little-endian).
// A date that is no finite number in the int32 range (a damaged file) yields a zero mask.
std::array<uint8_t, 4> passwordMask(double creationDate);

struct HeaderFacts {
    int jetVersion;  // 3 or 4 (ACE revisions count as the Jet4 family)
    size_t pageSize;
    std::string password;  // UTF-8, "" when none
};

// Empty optional when the bytes are too short or carry no Jet/ACE magic or an unknown version.
std::optional<HeaderFacts> readHeader(std::span<const uint8_t> firstPage);

}  // namespace vorlix::jet::header
