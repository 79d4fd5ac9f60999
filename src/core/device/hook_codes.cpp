#include "core/device/hook_codes.h"

namespace oryn7px {

std::optional<uint32_t> PressCode(uint32_t message, uint32_t mouseData) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            return message;
        case WM_XBUTTONDOWN:
            return message + mouseData;
        case WM_MOUSEWHEEL: {
            const auto delta = static_cast<int16_t>(mouseData >> 16);
            return (message << 8) | (delta >= 0 ? 1u : 0u);
        }
        default:
            return std::nullopt;
    }
}

uint32_t MouseEventCode(uint32_t message, uint32_t mouseData) {
    return PressCode(message, mouseData).value_or(message + mouseData);
}

}  // namespace oryn7px
