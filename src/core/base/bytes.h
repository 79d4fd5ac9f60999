#pragma once
// Little-endian field access for records, reports and files.
#include <bit>
#include <cstddef>
#include <cstdint>

namespace oryn7px {

inline uint32_t ReadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void WriteLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// Records are stored as their in-memory bytes; this is the one place a big-endian port would swap.
static_assert(std::endian::native == std::endian::little, "records are read and written as little-endian bytes");

}  // namespace oryn7px
