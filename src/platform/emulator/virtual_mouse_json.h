#pragma once
// The virtual mouse's state as oryn7px-emu --dump prints it, and the hex form of report bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {

std::string ToHex(const uint8_t* data, size_t length);
inline std::string ToHex(const std::vector<uint8_t>& bytes) { return ToHex(bytes.data(), bytes.size()); }
// Pairs of hex digits, either case; nothing else.
std::optional<std::vector<uint8_t>> FromHex(const std::string& text);

nlohmann::json VirtualMouseStateJson(const VirtualMouseConfig& config, const VirtualMouseState& state);

}  // namespace oryn7px
