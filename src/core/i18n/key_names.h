#pragma once
// Display names of keys and key combinations, always in English.
#include <cstdint>
#include <string>

#include "core/interfaces/keyboard_layout.h"

namespace oryn7px {

// A packed key code: HID keyboard usage (or 0xF0..0xF2 for the mouse buttons) in bits 16..23,
// modifier bits in bits 8..15.
inline constexpr uint32_t kModifierCtrl = 0x01;
inline constexpr uint32_t kModifierShift = 0x02;
inline constexpr uint32_t kModifierAlt = 0x04;
inline constexpr uint32_t kModifierWin = 0x08;

inline constexpr uint32_t PackKeyCode(uint8_t usage, uint8_t modifiers) {
    return (static_cast<uint32_t>(usage) << 16) | (static_cast<uint32_t>(modifiers) << 8);
}

// "Shift + Ctrl + A" style. The popup stores only the left-hand modifier bits 0..3; a value from a
// file whose modifier byte holds only right-hand bits (4..7) is named with "RShift", "RCtrl",
// "RAlt" and "RWin", the keys the mouse will press for it.
std::u16string GetKeyComboName(uint32_t packedKeyCode, const KeyboardLayout& layout);

// Named keys from the built-in table; any other key by the character it types on the layout.
std::u16string GetVirtualKeyName(uint32_t virtualKey, const KeyboardLayout& layout);

// Lookups in the 107-pair table of HID usages and Windows virtual keys; 0 when there is no pair.
uint8_t UsageToVirtualKey(uint8_t usage);
uint8_t VirtualKeyToUsage(uint8_t virtualKey);

// The name of a key in the macro editor (low 8 bits of the code); empty when it has none.
std::u16string_view GetMacroKeyName(uint32_t virtualKey);

}  // namespace oryn7px
