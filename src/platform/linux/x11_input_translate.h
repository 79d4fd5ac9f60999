#pragma once
// X11 input in the form of the Windows low-level hooks: virtual keys, key flags, mouse messages.
#include <cstdint>
#include <optional>

namespace oryn7px {

inline constexpr uint32_t kKeyFlagExtended = 0x01;
inline constexpr uint32_t kKeyFlagAltDown = 0x20;
inline constexpr uint32_t kKeyFlagUp = 0x80;

struct VirtualKey {
    uint32_t code;
    bool extended;
};

// Linux evdev key code to Windows virtual key, left and right modifiers kept apart.
std::optional<VirtualKey> VirtualKeyFromEvdev(uint32_t evdevCode);

// X key codes are evdev codes plus 8.
std::optional<VirtualKey> VirtualKeyFromXKeycode(uint32_t xKeycode);

struct HookKeyEvent {
    uint32_t virtualKey;
    uint32_t flags;  // kKeyFlag*
};

// Turns a stream of X key codes (also what Qt gives as a key event's native scan code) into the
// hooks' key events, with the Alt state as the Windows hook reports it.
class HookKeyTranslator {
public:
    std::optional<HookKeyEvent> Translate(uint32_t xKeycode, bool pressed);

private:
    bool altDown_ = false;
};

struct MouseEvent {
    uint32_t message;
    uint32_t mouseData;
};

// X button 1 left, 2 middle, 3 right, 4/5 wheel up/down, 6/7 wheel left/right, 8 back, 9 forward.
// Wheel "buttons" have no release; other buttons have no Windows form.
std::optional<MouseEvent> MouseEventFromXButton(uint32_t button, bool pressed);

// The X button that produces a hook button code (for grabbing it); 0 when there is none.
uint32_t XButtonForHookCode(uint32_t code);

}  // namespace oryn7px
