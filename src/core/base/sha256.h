#pragma once
// SHA-256 of a byte string, to check a downloaded firmware image against its published digest.
#include <cstdint>
#include <span>
#include <string>

namespace oryn7px {

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::span<const uint8_t> bytes);

}  // namespace oryn7px
