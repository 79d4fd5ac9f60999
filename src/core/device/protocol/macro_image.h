#pragma once
// The 1024-byte image a macro slot of the mouse holds, as the macro encoder builds it.
#include <array>
#include <cstddef>
#include <cstdint>

namespace oryn7px {

inline constexpr size_t kMacroImageSize = 1024;
inline constexpr size_t kMacroImageUnits = kMacroImageSize / 2;  // the header plus 511 event units
// The mouse keeps macros in slots 0..7.
inline constexpr uint32_t kMaxMacroSlot = 7;

struct MacroImage {
    std::array<uint8_t, kMacroImageSize> bytes{};
    // The used length rounded up as the mouse expects it; it travels in the button code.
    uint32_t paddedLength = 0;
};

}  // namespace oryn7px
