#include "core/i18n/us_keyboard_layout.h"

namespace oryn7px {

char32_t UsKeyboardLayout::UnshiftedCharacter(unsigned virtualKey) const {
    if (virtualKey >= 0x30 && virtualKey <= 0x39) return virtualKey;
    if (virtualKey >= 0x41 && virtualKey <= 0x5A) return virtualKey + 0x20;
    switch (virtualKey) {
        case 0xBA: return U';';
        case 0xBB: return U'=';
        case 0xBC: return U',';
        case 0xBD: return U'-';
        case 0xBE: return U'.';
        case 0xBF: return U'/';
        case 0xC0: return U'`';
        case 0xDB: return U'[';
        case 0xDC: return U'\\';
        case 0xDD: return U']';
        case 0xDE: return U'\'';
        case 0xE2: return U'\\';
        default: return 0;
    }
}

}  // namespace oryn7px
