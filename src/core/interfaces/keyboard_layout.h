#pragma once
// The user's keyboard layout, asked for the character a key types, supplied by the platform.

namespace oryn7px {

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The character that the key of a Windows virtual-key code types with no modifier held,
    // or 0 when the key types none.
    virtual char32_t UnshiftedCharacter(unsigned virtualKey) const = 0;
};

}  // namespace oryn7px
