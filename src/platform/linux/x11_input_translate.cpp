#include "platform/linux/x11_input_translate.h"

#include <linux/input-event-codes.h>

#include <array>
#include <utility>

#include "core/device/hook_codes.h"

namespace oryn7px {

namespace {

struct KeyRow {
    uint16_t evdev;
    uint8_t vk;
    bool extended;
};

constexpr KeyRow kKeys[] = {
    {KEY_ESC, 0x1B, false}, {KEY_1, 0x31, false}, {KEY_2, 0x32, false}, {KEY_3, 0x33, false},
    {KEY_4, 0x34, false}, {KEY_5, 0x35, false}, {KEY_6, 0x36, false}, {KEY_7, 0x37, false},
    {KEY_8, 0x38, false}, {KEY_9, 0x39, false}, {KEY_0, 0x30, false}, {KEY_MINUS, 0xBD, false},
    {KEY_EQUAL, 0xBB, false}, {KEY_BACKSPACE, 0x08, false}, {KEY_TAB, 0x09, false},
    {KEY_Q, 'Q', false}, {KEY_W, 'W', false}, {KEY_E, 'E', false}, {KEY_R, 'R', false},
    {KEY_T, 'T', false}, {KEY_Y, 'Y', false}, {KEY_U, 'U', false}, {KEY_I, 'I', false},
    {KEY_O, 'O', false}, {KEY_P, 'P', false}, {KEY_LEFTBRACE, 0xDB, false}, {KEY_RIGHTBRACE, 0xDD, false},
    {KEY_ENTER, 0x0D, false}, {KEY_LEFTCTRL, 0xA2, false}, {KEY_A, 'A', false}, {KEY_S, 'S', false},
    {KEY_D, 'D', false}, {KEY_F, 'F', false}, {KEY_G, 'G', false}, {KEY_H, 'H', false},
    {KEY_J, 'J', false}, {KEY_K, 'K', false}, {KEY_L, 'L', false}, {KEY_SEMICOLON, 0xBA, false},
    {KEY_APOSTROPHE, 0xDE, false}, {KEY_GRAVE, 0xC0, false}, {KEY_LEFTSHIFT, 0xA0, false},
    {KEY_BACKSLASH, 0xDC, false}, {KEY_Z, 'Z', false}, {KEY_X, 'X', false}, {KEY_C, 'C', false},
    {KEY_V, 'V', false}, {KEY_B, 'B', false}, {KEY_N, 'N', false}, {KEY_M, 'M', false},
    {KEY_COMMA, 0xBC, false}, {KEY_DOT, 0xBE, false}, {KEY_SLASH, 0xBF, false},
    {KEY_RIGHTSHIFT, 0xA1, false}, {KEY_KPASTERISK, 0x6A, false}, {KEY_LEFTALT, 0xA4, false},
    {KEY_SPACE, 0x20, false}, {KEY_CAPSLOCK, 0x14, false},
    {KEY_F1, 0x70, false}, {KEY_F2, 0x71, false}, {KEY_F3, 0x72, false}, {KEY_F4, 0x73, false},
    {KEY_F5, 0x74, false}, {KEY_F6, 0x75, false}, {KEY_F7, 0x76, false}, {KEY_F8, 0x77, false},
    {KEY_F9, 0x78, false}, {KEY_F10, 0x79, false}, {KEY_NUMLOCK, 0x90, true}, {KEY_SCROLLLOCK, 0x91, false},
    {KEY_KP7, 0x67, false}, {KEY_KP8, 0x68, false}, {KEY_KP9, 0x69, false}, {KEY_KPMINUS, 0x6D, false},
    {KEY_KP4, 0x64, false}, {KEY_KP5, 0x65, false}, {KEY_KP6, 0x66, false}, {KEY_KPPLUS, 0x6B, false},
    {KEY_KP1, 0x61, false}, {KEY_KP2, 0x62, false}, {KEY_KP3, 0x63, false}, {KEY_KP0, 0x60, false},
    {KEY_KPDOT, 0x6E, false}, {KEY_102ND, 0xE2, false}, {KEY_F11, 0x7A, false}, {KEY_F12, 0x7B, false},
    {KEY_KPENTER, 0x0D, true}, {KEY_RIGHTCTRL, 0xA3, true}, {KEY_KPSLASH, 0x6F, true},
    {KEY_SYSRQ, 0x2C, true}, {KEY_RIGHTALT, 0xA5, true}, {KEY_HOME, 0x24, true}, {KEY_UP, 0x26, true},
    {KEY_PAGEUP, 0x21, true}, {KEY_LEFT, 0x25, true}, {KEY_RIGHT, 0x27, true}, {KEY_END, 0x23, true},
    {KEY_DOWN, 0x28, true}, {KEY_PAGEDOWN, 0x22, true}, {KEY_INSERT, 0x2D, true}, {KEY_DELETE, 0x2E, true},
    {KEY_MUTE, 0xAD, true}, {KEY_VOLUMEDOWN, 0xAE, true}, {KEY_VOLUMEUP, 0xAF, true},
    {KEY_PAUSE, 0x13, false}, {KEY_LEFTMETA, 0x5B, true}, {KEY_RIGHTMETA, 0x5C, true},
    {KEY_COMPOSE, 0x5D, true}, {KEY_SLEEP, 0x5F, true}, {KEY_CALC, 0xB7, true}, {KEY_MAIL, 0xB4, true},
    {KEY_BOOKMARKS, 0xAB, true}, {KEY_COMPUTER, 0xB6, true}, {KEY_BACK, 0xA6, true},
    {KEY_FORWARD, 0xA7, true}, {KEY_NEXTSONG, 0xB0, true}, {KEY_PLAYPAUSE, 0xB3, true},
    {KEY_PREVIOUSSONG, 0xB1, true}, {KEY_STOPCD, 0xB2, true}, {KEY_HOMEPAGE, 0xAC, true},
    {KEY_REFRESH, 0xA8, true}, {KEY_SEARCH, 0xAA, true}, {KEY_HANGEUL, 0x15, false},
    {KEY_HANJA, 0x19, false}, {KEY_F13, 0x7C, false}, {KEY_F14, 0x7D, false}, {KEY_F15, 0x7E, false},
    {KEY_F16, 0x7F, false}, {KEY_F17, 0x80, false}, {KEY_F18, 0x81, false}, {KEY_F19, 0x82, false},
    {KEY_F20, 0x83, false}, {KEY_F21, 0x84, false}, {KEY_F22, 0x85, false}, {KEY_F23, 0x86, false},
    {KEY_F24, 0x87, false},
};

constexpr auto kByEvdev = [] {
    std::array<KeyRow, 256> table{};
    for (const KeyRow& row : kKeys) table[row.evdev] = row;
    return table;
}();

}  // namespace

std::optional<VirtualKey> VirtualKeyFromEvdev(uint32_t evdevCode) {
    if (evdevCode >= kByEvdev.size() || kByEvdev[evdevCode].vk == 0) return std::nullopt;
    return VirtualKey{kByEvdev[evdevCode].vk, kByEvdev[evdevCode].extended};
}

std::optional<VirtualKey> VirtualKeyFromXKeycode(uint32_t xKeycode) {
    if (xKeycode < 8) return std::nullopt;
    return VirtualKeyFromEvdev(xKeycode - 8);
}

std::optional<HookKeyEvent> HookKeyTranslator::Translate(uint32_t xKeycode, bool pressed) {
    const std::optional<VirtualKey> key = VirtualKeyFromXKeycode(xKeycode);
    if (!key) return std::nullopt;
    if (key->code == 0xA4 || key->code == 0xA5) altDown_ = pressed;
    uint32_t flags = key->extended ? kKeyFlagExtended : 0;
    if (altDown_) flags |= kKeyFlagAltDown;
    if (!pressed) flags |= kKeyFlagUp;
    return HookKeyEvent{key->code, flags};
}

std::optional<MouseEvent> MouseEventFromXButton(uint32_t button, bool pressed) {
    switch (button) {
        case 1: return MouseEvent{pressed ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0};
        case 2: return MouseEvent{pressed ? WM_MBUTTONDOWN : WM_MBUTTONUP, 0};
        case 3: return MouseEvent{pressed ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0};
        case 8: return MouseEvent{pressed ? WM_XBUTTONDOWN : WM_XBUTTONUP, XBUTTON1_DATA};
        case 9: return MouseEvent{pressed ? WM_XBUTTONDOWN : WM_XBUTTONUP, XBUTTON2_DATA};
        default: break;
    }
    if (!pressed) return std::nullopt;
    switch (button) {
        case 4: return MouseEvent{WM_MOUSEWHEEL, WheelData(WHEEL_DELTA)};
        case 5: return MouseEvent{WM_MOUSEWHEEL, WheelData(-WHEEL_DELTA)};
        case 6: return MouseEvent{WM_MOUSEHWHEEL, WheelData(-WHEEL_DELTA)};
        case 7: return MouseEvent{WM_MOUSEHWHEEL, WheelData(WHEEL_DELTA)};
        default: return std::nullopt;
    }
}

uint32_t XButtonForHookCode(uint32_t code) {
    constexpr std::pair<uint32_t, uint32_t> kButtons[] = {
        {kHookCodeLeft, 1},     {kHookCodeMiddle, 2},  {kHookCodeRight, 3},     {kHookCodeWheelUp, 4},
        {kHookCodeWheelDown, 5}, {kHookCodeBack, 8},   {kHookCodeForward, 9},
    };
    for (const auto& [hookCode, button] : kButtons) {
        if (hookCode == code) return button;
    }
    return 0;
}

}  // namespace oryn7px
