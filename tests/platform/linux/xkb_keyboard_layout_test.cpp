#include "platform/linux/xkb_keyboard_layout.h"

#include <gtest/gtest.h>

#include "core/base/utf16.h"
#include "core/i18n/key_names.h"

namespace oryn7px {
namespace {

std::string Name(const KeyboardLayout& layout, uint32_t vk) { return Utf16ToUtf8(GetVirtualKeyName(vk, layout)); }

TEST(XkbKeyboardLayoutTest, NamesKeysByWhatTheLayoutTypes) {
    const XkbKeyboardLayout us({.layout = "us"});
    const XkbKeyboardLayout german({.layout = "de"});
    const XkbKeyboardLayout french({.layout = "fr"});
    const XkbKeyboardLayout russian({.layout = "ru"});
    const struct {
        const KeyboardLayout& layout;
        uint32_t vk;
        std::string name;
    } cases[] = {
        {us, 0x41, "A"},      {us, 0xBA, ";"},      {us, 0xC0, "`"},      {us, 0x31, "1"},
        {us, 0x0D, "Enter"},  {us, 0x03, ""},       {german, 0x59, "Z"},  {german, 0x5A, "Y"},
        {german, 0xBA, "Ö"},  {german, 0xBD, "ß"},  {german, 0xC0, "^"},  {german, 0xE2, "<"},
        {french, 0x51, "A"},  {french, 0x31, "&"},  {russian, 0x41, "ф"}, {russian, 0x70, "F1"},
    };
    for (const auto& c : cases) EXPECT_EQ(Name(c.layout, c.vk), c.name) << std::hex << c.vk;
}

TEST(XkbKeyboardLayoutTest, ActiveGroupOfSeveralLayouts) {
    const XkbKeyboardLayout second({.layout = "us,de", .group = 1});
    EXPECT_EQ(Name(second, 0x59), "Z");
    const XkbKeyboardLayout outOfRange({.layout = "us", .group = 3});
    EXPECT_EQ(Name(outOfRange, 0x59), "Y");
}

TEST(XkbKeyboardLayoutTest, KeyComboWithTheLayout) {
    const XkbKeyboardLayout german({.layout = "de"});
    EXPECT_EQ(Utf16ToUtf8(GetKeyComboName(PackKeyCode(0x1C, kModifierCtrl), german)), "Ctrl + Z");
}

TEST(XkbKeyboardLayoutTest, SessionNamesWithoutDisplayAreDefaults) {
    const char* saved = std::getenv("DISPLAY");
    const std::string display = saved ? saved : "";
    unsetenv("DISPLAY");
    const XkbLayoutNames names = SessionLayoutNames();
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    EXPECT_EQ(names.layout, "");
    EXPECT_EQ(names.group, 0u);
    const XkbKeyboardLayout layout(names);
    EXPECT_FALSE(Name(layout, 0x41).empty());
}

}  // namespace
}  // namespace oryn7px
