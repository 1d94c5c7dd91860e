// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/jet/jet_header.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "words/jet/jet_database.h"
#include "words/jet/little_endian.h"
#include "words/jet/unicode.h"

namespace vorlix::jet::header {
namespace {

constexpr std::array<uint8_t, 4> kRc4Key = {0xC7, 0xDA, 0x39, 0x6B};

// Bytes 4..6 of the magic spell "Jet" in Jet3/Jet4 files and "ACE" in newer ones.
constexpr size_t kEngineNameOffset = 13;
constexpr std::array<uint8_t, 3> kAceName = {'A', 'C', 'E'};

bool hasMagic(std::span<const uint8_t> page)
{
    if (std::equal(kJetMagic.begin(), kJetMagic.end(), page.begin())) return true;
    std::array<uint8_t, kMagicLength> ace = kJetMagic;
    std::copy(kAceName.begin(), kAceName.end(), ace.begin() + kEngineNameOffset);
    return std::equal(ace.begin(), ace.end(), page.begin());
}

std::string jet3Password(const uint8_t* field)
{
    const auto* end = std::find(field, field + kPasswordLengthJet3, uint8_t{0});
    return utf8FromWindows1252(std::string(field, end));
}

std::string jet4Password(const uint8_t* field, double creationDate)
{
    const std::array<uint8_t, 4> mask = passwordMask(creationDate);
    std::u16string text;
    for (size_t i = 0; i < kPasswordLengthJet4; i += 2) {
        const auto unit = static_cast<char16_t>((field[i] ^ mask[i % 4]) | ((field[i + 1] ^ mask[(i + 1) % 4]) << 8));
        if (unit == 0) break;
        text += unit;
    }
    return utf8FromUtf16(text);
}

}  // namespace

const std::array<uint8_t, kMagicLength> kJetMagic = {
    0x00, 0x01, 0x00, 0x00, 'S', 't', 'a', 'n', 'd', 'a', 'r', 'd', ' ', 'J', 'e', 't', ' ', 'D', 'B', 0x00,
};

void scramble(std::span<uint8_t> region)
{
    std::array<uint8_t, 256> s{};
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        j = static_cast<uint8_t>(j + s[i] + kRc4Key[i % kRc4Key.size()]);
        std::swap(s[i], s[j]);
    }
    uint8_t a = 0;
    uint8_t b = 0;
    for (uint8_t& byte : region) {
        a = static_cast<uint8_t>(a + 1);
        b = static_cast<uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        byte ^= s[static_cast<uint8_t>(s[a] + s[b])];
    }
}

std::array<uint8_t, 4> passwordMask(double creationDate)
{
    std::array<uint8_t, 4> mask{};
    if (!std::isfinite(creationDate) || creationDate <= -2147483649.0 || creationDate >= 2147483648.0) {
        return mask;
    }
    le::put32(mask.data(), static_cast<uint32_t>(static_cast<int32_t>(creationDate)));
    return mask;
}

std::optional<HeaderFacts> readHeader(std::span<const uint8_t> firstPage)
{
    if (firstPage.size() <= kVersionOffset || !hasMagic(firstPage)) return std::nullopt;
    const uint8_t version = firstPage[kVersionOffset];
    if (version > kLatestVersion) return std::nullopt;
    const bool jet3 = version == kVersionJet3;
    const size_t scrambledLength = jet3 ? kScrambledLengthJet3 : kScrambledLengthJet4;
    if (firstPage.size() < kScrambledOffset + scrambledLength) return std::nullopt;

    // Offsets are from the page start, so decode into a copy of the page's first bytes.
    std::vector<uint8_t> plain(firstPage.begin(), firstPage.begin() + kScrambledOffset + scrambledLength);
    scramble(std::span(plain).subspan(kScrambledOffset));

    HeaderFacts facts;
    facts.jetVersion = jet3 ? 3 : 4;
    facts.pageSize = jet3 ? kPageSizeJet3 : kPageSizeJet4;
    facts.password = jet3 ? jet3Password(plain.data() + kPasswordOffset)
                          : jet4Password(plain.data() + kPasswordOffset, le::f64(plain.data() + kCreationDateOffset));
    return facts;
}

}  // namespace vorlix::jet::header

namespace vorlix::jet {

std::optional<std::string> decodePassword(std::span<const uint8_t> firstPage)
{
    auto facts = header::readHeader(firstPage);
    if (!facts) return std::nullopt;
    return std::move(facts->password);
}

}  // namespace vorlix::jet
