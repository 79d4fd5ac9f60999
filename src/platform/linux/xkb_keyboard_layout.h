#pragma once
// The user's keyboard layout through xkbcommon: which character each key types.
#include <string>

#include "core/i18n/us_keyboard_layout.h"
#include "core/interfaces/keyboard_layout.h"

struct xkb_context;
struct xkb_keymap;

namespace oryn7px {

// XKB rule names; empty fields take xkbcommon's defaults (XKB_DEFAULT_* or a US layout).
struct XkbLayoutNames {
    std::string rules;
    std::string model;
    std::string layout;   // may list several: "us,de"
    std::string variant;
    std::string options;
    unsigned group = 0;   // which of the listed layouts is active
};

// The layout of the X session on $DISPLAY (its _XKB_RULES_NAMES and active group) when there is
// one; otherwise the defaults.
XkbLayoutNames SessionLayoutNames();

// Virtual keys are placed where they sit on a US keyboard and named by what the layout types
// there, the same positions the input hooks translate; without XKB data the US layout is used.
class XkbKeyboardLayout final : public KeyboardLayout {
public:
    explicit XkbKeyboardLayout(const XkbLayoutNames& names);
    ~XkbKeyboardLayout() override;
    XkbKeyboardLayout(const XkbKeyboardLayout&) = delete;
    XkbKeyboardLayout& operator=(const XkbKeyboardLayout&) = delete;

    char32_t UnshiftedCharacter(unsigned virtualKey) const override;

private:
    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    unsigned group_ = 0;
    UsKeyboardLayout fallback_;
};

}  // namespace oryn7px
