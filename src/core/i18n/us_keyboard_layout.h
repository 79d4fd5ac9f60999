#pragma once
// The US keyboard layout, for systems that cannot tell the user's one.
#include "core/interfaces/keyboard_layout.h"

namespace oryn7px {

class UsKeyboardLayout final : public KeyboardLayout {
public:
    char32_t UnshiftedCharacter(unsigned virtualKey) const override;
};

}  // namespace oryn7px
