#pragma once
// How the input hooks name mouse events: Windows mouse message numbers and the button codes built from them.
#include <array>
#include <cstdint>
#include <optional>

#include "core/base/messages.h"

namespace oryn7px {

// WM_MOUSEMOVE, WM_LBUTTONDOWN and WM_LBUTTONUP are in messages.h.
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
inline constexpr uint32_t WM_XBUTTONDOWN = 0x020B;
inline constexpr uint32_t WM_XBUTTONUP = 0x020C;
inline constexpr uint32_t WM_MOUSEHWHEEL = 0x020E;

// Mouse data of the X buttons (high 16 bits) and of one wheel notch (signed, high 16 bits).
inline constexpr uint32_t XBUTTON1_DATA = 0x00010000;
inline constexpr uint32_t XBUTTON2_DATA = 0x00020000;
inline constexpr int16_t WHEEL_DELTA = 120;
inline constexpr uint32_t WheelData(int16_t delta) {
    return static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16;
}

inline constexpr uint32_t kHookCodeLeft = 0x0201;
inline constexpr uint32_t kHookCodeRight = 0x0204;
inline constexpr uint32_t kHookCodeMiddle = 0x0207;
inline constexpr uint32_t kHookCodeBack = 0x0001020B;
inline constexpr uint32_t kHookCodeForward = 0x0002020B;
inline constexpr uint32_t kHookCodeWheelUp = 0x00020A01;
inline constexpr uint32_t kHookCodeWheelDown = 0x00020A00;

// The hook code of buttons 0..6 of a profile (left, middle, right, forward, back, wheel up,
// wheel down); the eighth button has none.
inline constexpr std::array<uint32_t, 7> kHookButtonCode = {
    kHookCodeLeft, kHookCodeMiddle, kHookCodeRight, kHookCodeForward,
    kHookCodeBack, kHookCodeWheelUp, kHookCodeWheelDown};

inline std::optional<uint32_t> HookButtonCode(int buttonIndex) {
    if (buttonIndex < 0 || buttonIndex >= static_cast<int>(kHookButtonCode.size())) return std::nullopt;
    return kHookButtonCode[static_cast<std::size_t>(buttonIndex)];
}

// The code of a press or wheel notch; nothing for any other mouse event.
std::optional<uint32_t> PressCode(uint32_t message, uint32_t mouseData);

// What UM_HOOK_INPUT carries for a mouse event: the press code, else message plus mouse data.
uint32_t MouseEventCode(uint32_t message, uint32_t mouseData);

}  // namespace oryn7px
