#include "platform/linux/xkb_keyboard_layout.h"

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <cstdint>
#include <cstdlib>

// X headers last: their macros clash with everything else.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace oryn7px {

namespace {

struct KeyPosition {
    uint8_t virtualKey;
    uint8_t evdevCode;
};

// The keys that type characters, at their US-keyboard positions (Linux input event codes).
constexpr std::array<KeyPosition, 48> kKeyPositions = {{
    {0x31, 2}, {0x32, 3}, {0x33, 4}, {0x34, 5}, {0x35, 6}, {0x36, 7}, {0x37, 8}, {0x38, 9}, {0x39, 10}, {0x30, 11},
    {0x51, 16}, {0x57, 17}, {0x45, 18}, {0x52, 19}, {0x54, 20}, {0x59, 21}, {0x55, 22}, {0x49, 23}, {0x4F, 24},
    {0x50, 25}, {0x41, 30}, {0x53, 31}, {0x44, 32}, {0x46, 33}, {0x47, 34}, {0x48, 35}, {0x4A, 36}, {0x4B, 37},
    {0x4C, 38}, {0x5A, 44}, {0x58, 45}, {0x43, 46}, {0x56, 47}, {0x42, 48}, {0x4E, 49}, {0x4D, 50},
    {0xBD, 12}, {0xBB, 13}, {0xDB, 26}, {0xDD, 27}, {0xBA, 39}, {0xDE, 40}, {0xC0, 41}, {0xDC, 43},
    {0xBC, 51}, {0xBE, 52}, {0xBF, 53}, {0xE2, 86},
}};

// XKB key codes are the input event codes plus 8.
constexpr uint32_t kXkbKeycodeOffset = 8;

// A dead key types nothing on its own; name it by the accent it adds.
char32_t DeadKeyCharacter(xkb_keysym_t keysym) {
    switch (keysym) {
        case XKB_KEY_dead_grave: return U'`';
        case XKB_KEY_dead_acute: return U'\u00B4';
        case XKB_KEY_dead_circumflex: return U'^';
        case XKB_KEY_dead_tilde: return U'~';
        case XKB_KEY_dead_diaeresis: return U'\u00A8';
        case XKB_KEY_dead_cedilla: return U'\u00B8';
        case XKB_KEY_dead_abovering: return U'\u00B0';
        default: return 0;
    }
}

std::string Field(const char*& cursor, const char* end) {
    std::string value;
    while (cursor < end && *cursor != '\0') value += *cursor++;
    if (cursor < end) ++cursor;
    return value;
}

}  // namespace

XkbLayoutNames SessionLayoutNames() {
    XkbLayoutNames names;
    const char* displayName = std::getenv("DISPLAY");
    if (displayName == nullptr || *displayName == '\0') return names;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return names;
    const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", True);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (property != 0 &&
        XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, XA_STRING, &type, &format,
                           &count, &remaining, &data) == 0 &&
        data != nullptr && format == 8) {
        const char* cursor = reinterpret_cast<const char*>(data);
        const char* end = cursor + count;
        names.rules = Field(cursor, end);
        names.model = Field(cursor, end);
        names.layout = Field(cursor, end);
        names.variant = Field(cursor, end);
        names.options = Field(cursor, end);
    }
    if (data != nullptr) XFree(data);
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) == 0) names.group = state.group;
    XCloseDisplay(display);
    return names;
}

XkbKeyboardLayout::XkbKeyboardLayout(const XkbLayoutNames& names) : group_(names.group) {
    context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context_ == nullptr) return;
    auto orNull = [](const std::string& value) { return value.empty() ? nullptr : value.c_str(); };
    const xkb_rule_names ruleNames{orNull(names.rules), orNull(names.model), orNull(names.layout),
                                   orNull(names.variant), orNull(names.options)};
    keymap_ = xkb_keymap_new_from_names(context_, &ruleNames, XKB_KEYMAP_COMPILE_NO_FLAGS);
}

XkbKeyboardLayout::~XkbKeyboardLayout() {
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

char32_t XkbKeyboardLayout::UnshiftedCharacter(unsigned virtualKey) const {
    if (keymap_ == nullptr) return fallback_.UnshiftedCharacter(virtualKey);
    for (const KeyPosition& position : kKeyPositions) {
        if (position.virtualKey != virtualKey) continue;
        const xkb_keycode_t keycode = position.evdevCode + kXkbKeycodeOffset;
        const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap_, keycode);
        const xkb_layout_index_t layout = group_ < layouts ? group_ : 0;
        const xkb_keysym_t* keysyms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, 0, &keysyms) < 1) return 0;
        const char32_t character = xkb_keysym_to_utf32(keysyms[0]);
        return character != 0 ? character : DeadKeyCharacter(keysyms[0]);
    }
    return 0;
}

}  // namespace oryn7px
