#include "core/i18n/key_names.h"

#include <gtest/gtest.h>

#include <set>

#include "core/base/utf16.h"
#include "core/i18n/us_keyboard_layout.h"

namespace oryn7px {
namespace {

// A layout whose letter keys type non-ASCII characters, to see what the fallback does with them.
class MappedLayout final : public KeyboardLayout {
public:
    char32_t UnshiftedCharacter(unsigned virtualKey) const override {
        switch (virtualKey) {
            case 0x41: return U'ф';
            case 0xC0: return U'ö';
            case 0xBF: return U'\u00DF';
            case 0x51: return 0x08;  // a control character is no name
            default: return 0;
        }
    }
};

std::string Combo(uint32_t packed) { return Utf16ToUtf8(GetKeyComboName(packed, UsKeyboardLayout())); }

TEST(KeyNamesTest, KeyComboNames) {
    const struct {
        uint32_t packed;
        std::string name;
    } cases[] = {
        {PackKeyCode(0x04, kModifierCtrl | kModifierShift), "Shift + Ctrl + A"},
        {PackKeyCode(0x3E, kModifierWin), "Win + F5"},
        {PackKeyCode(0x04, 0x0F), "Shift + Ctrl + Alt + Win + A"},
        {PackKeyCode(0xE0, 0), "LCtrl"},
        {PackKeyCode(0xE7, 0), "RWin"},
        {PackKeyCode(0x28, 0), "Enter"},
        {PackKeyCode(0x58, 0), "Enter"},
        {PackKeyCode(0x1E, kModifierAlt), "Alt + 1"},
        {PackKeyCode(0x33, 0), ";"},
        {PackKeyCode(0x62, 0), "(0)"},
        {PackKeyCode(0xF0, 0), ""},             // a mouse button has no key name
        {PackKeyCode(0x00, kModifierCtrl), "Ctrl + "},
        {PackKeyCode(0x04, 0x10), "RCtrl + A"},  // right-hand modifiers only
        {PackKeyCode(0x04, 0x60), "RShift + RAlt + A"},
        {PackKeyCode(0x04, 0x11), "Ctrl + A"},   // left-hand bits present: right-hand ones are not named
        {PackKeyCode(0x04, 0) | 0xFF0000FF, "A"},
    };
    for (const auto& c : cases) EXPECT_EQ(Combo(c.packed), c.name) << std::hex << c.packed;
}

TEST(KeyNamesTest, VirtualKeyNames) {
    const UsKeyboardLayout us;
    const struct {
        uint32_t vk;
        std::string name;
    } cases[] = {
        {0x00, ""}, {0xFF, ""}, {0x100, ""}, {0x08, "Backspace"}, {0x0D, "Enter"}, {0x2B, "Enter"},
        {0x2C, "PrtSc SysRq"}, {0x60, "(0)"}, {0x69, "(9)"}, {0x6C, "\\"}, {0x70, "F1"}, {0x7B, "F12"},
        {0x7C, ""}, {0x90, "Numlock"}, {0xA5, "RAlt"}, {0x41, "A"}, {0x5A, "Z"}, {0x30, "0"}, {0xBA, ";"},
        {0xC0, "`"}, {0x03, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(GetVirtualKeyName(c.vk, us)), c.name) << std::hex << c.vk;

    const MappedLayout mapped;
    EXPECT_EQ(GetVirtualKeyName(0x41, mapped), u"ф");
    EXPECT_EQ(GetVirtualKeyName(0xC0, mapped), u"Ö");
    EXPECT_EQ(GetVirtualKeyName(0xBF, mapped), u"\u00DF");
    EXPECT_EQ(GetVirtualKeyName(0x51, mapped), u"");
}

TEST(KeyNamesTest, KeyCodeTable) {
    const struct {
        uint8_t usage;
        uint8_t vk;
    } pairs[] = {{0x29, 0x1B}, {0x3A, 0x70}, {0x45, 0x7B}, {0x04, 0x41}, {0x1D, 0x5A}, {0x27, 0x30},
                 {0x35, 0xC0}, {0x46, 0x2C}, {0x4F, 0x27}, {0x62, 0x60}, {0x63, 0x6E}, {0xE7, 0x5C},
                 {0x65, 0x5D}, {0xF2, 0x04}};
    for (const auto& p : pairs) {
        EXPECT_EQ(UsageToVirtualKey(p.usage), p.vk) << int(p.usage);
        EXPECT_EQ(VirtualKeyToUsage(p.vk), p.usage) << int(p.vk);
    }
    EXPECT_EQ(UsageToVirtualKey(0x58), 0x0D);
    EXPECT_EQ(VirtualKeyToUsage(0x0D), 0x28);  // Enter comes before keypad Enter
    EXPECT_EQ(UsageToVirtualKey(0x00), 0);
    EXPECT_EQ(UsageToVirtualKey(0x64), 0);
    EXPECT_EQ(VirtualKeyToUsage(0xFF), 0);

    int pairCount = 0;
    std::set<uint8_t> virtualKeys;
    for (int usage = 0; usage < 256; ++usage) {
        if (const uint8_t vk = UsageToVirtualKey(static_cast<uint8_t>(usage)); vk != 0) {
            ++pairCount;
            virtualKeys.insert(vk);
        }
    }
    EXPECT_EQ(pairCount, 107);
    EXPECT_EQ(virtualKeys.size(), 106u);  // 0x0D twice
}

TEST(KeyNamesTest, MacroKeyNames) {
    const struct {
        uint32_t vk;
        std::u16string_view name;
    } cases[] = {
        {0x51, u"Q"}, {0x4D, u"M"}, {0xC0, u"~"}, {0x30, u"0"}, {0xDC, u"|"}, {0xA0, u"L_Shift"},
        {0x5C, u"R_Win"}, {0x1B, u"ESC"}, {0x7B, u"F12"}, {0x61, u"NUM 1"}, {0x6C, u"NUM Enter"},
        {0x6E, u"NUM Del"}, {0x2A, u"Print"}, {0x2C, u""}, {0x04, u"Middle Button"}, {0x1251, u"Q"},
        {0x00, u""}, {0x10, u""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetMacroKeyName(c.vk), c.name) << std::hex << c.vk;
}

}  // namespace
}  // namespace oryn7px
