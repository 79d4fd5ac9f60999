#include "platform/emulator/virtual_mouse_json.h"

#include <cstdio>

namespace oryn7px {

namespace {

using nlohmann::json;

template <typename T>
json OrNull(const std::optional<T>& value) {
    return value ? json(*value) : json(nullptr);
}

template <size_t N>
json HexOrNull(const std::optional<std::array<uint8_t, N>>& bytes) {
    return bytes ? json(ToHex(bytes->data(), N)) : json(nullptr);
}

const char* KindName(VirtualMouseLogEntry::Kind kind) {
    switch (kind) {
        case VirtualMouseLogEntry::Kind::Feature: return "feature";
        case VirtualMouseLogEntry::Kind::GetFeature: return "get_feature";
        case VirtualMouseLogEntry::Kind::Output: return "output";
    }
    return "feature";
}

}  // namespace

std::string ToHex(const uint8_t* data, size_t length) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(length * 2);
    for (size_t i = 0; i < length; ++i) {
        text.push_back(kDigits[data[i] >> 4]);
        text.push_back(kDigits[data[i] & 0x0F]);
    }
    return text;
}

std::optional<std::vector<uint8_t>> FromHex(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return bytes;
}

json VirtualMouseStateJson(const VirtualMouseConfig& config, const VirtualMouseState& state) {
    json keyMatrix = nullptr;
    if (state.keyMatrix) {
        keyMatrix = json::array();
        for (uint32_t code : *state.keyMatrix) {
            char text[16];
            std::snprintf(text, sizeof text, "0x%08X", code);
            keyMatrix.push_back(text);
        }
    }
    json macroSlots = nullptr;
    for (const auto& [slot, image] : state.macroSlots) macroSlots[std::to_string(slot)] = ToHex(image);
    json log = json::array();
    for (const VirtualMouseLogEntry& entry : state.log) {
        log.push_back({{"t_ms", entry.tMs}, {"kind", KindName(entry.kind)}, {"hex", ToHex(entry.bytes)}});
    }
    return {
        {"plugged", state.plugged},
        {"report_id", config.reportId},
        {"report_count", config.reportCount},
        {"firmware_version", config.firmwareVersion},
        {"strict_timing", config.strictTiming},
        {"report_rate", OrNull(state.reportRate)},
        {"touch", OrNull(state.touch)},
        {"led_color", HexOrNull(state.ledColor)},
        {"effect", state.effect ? json(*state.effect) : json(nullptr)},
        {"color_table", HexOrNull(state.colorTable)},
        {"dpi_table", HexOrNull(state.dpiTable)},
        {"key_matrix", keyMatrix},
        {"command_0b", OrNull(state.command0B)},
        {"macro_slots", macroSlots},
        {"log", log},
        {"violations", state.violations},
    };
}

}  // namespace oryn7px
