// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Jet stores every integer and double little-endian, whatever the host; these keep the byte
// order explicit instead of relying on memcpy of host values.

#include <bit>
#include <cstddef>
#include <cstdint>

namespace vorlix::jet::le {

inline uint16_t u16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t u32(const uint8_t* p)
{
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

inline double f64(const uint8_t* p)
{
    const uint64_t bits = uint64_t{u32(p)} | (uint64_t{u32(p + 4)} << 32);
    return std::bit_cast<double>(bits);
}

inline void put16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

inline void put32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void putF64(uint8_t* p, double v)
{
    const auto bits = std::bit_cast<uint64_t>(v);
    put32(p, static_cast<uint32_t>(bits));
    put32(p + 4, static_cast<uint32_t>(bits >> 32));
}

}  // namespace vorlix::jet::le
