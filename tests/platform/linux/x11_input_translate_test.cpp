#include "platform/linux/x11_input_translate.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include "core/device/hook_codes.h"

namespace oryn7px {
namespace {

TEST(VirtualKeyFromEvdev, KeysKeepLeftAndRightApartAndMarkExtendedOnes) {
    struct Case {
        uint32_t evdev;
        uint32_t vk;
        bool extended;
    };
    const Case cases[] = {
        {KEY_A, 0x41, false},         {KEY_Z, 0x5A, false},         {KEY_0, 0x30, false},
        {KEY_9, 0x39, false},         {KEY_F1, 0x70, false},        {KEY_F12, 0x7B, false},
        {KEY_LEFTSHIFT, 0xA0, false}, {KEY_RIGHTSHIFT, 0xA1, false}, {KEY_LEFTCTRL, 0xA2, false},
        {KEY_RIGHTCTRL, 0xA3, true},  {KEY_LEFTALT, 0xA4, false},   {KEY_RIGHTALT, 0xA5, true},
        {KEY_LEFTMETA, 0x5B, true},   {KEY_RIGHTMETA, 0x5C, true},  {KEY_ENTER, 0x0D, false},
        {KEY_KPENTER, 0x0D, true},    {KEY_UP, 0x26, true},         {KEY_DELETE, 0x2E, true},
        {KEY_KP5, 0x65, false},       {KEY_GRAVE, 0xC0, false},     {KEY_SPACE, 0x20, false},
    };
    for (const Case& c : cases) {
        const auto key = VirtualKeyFromEvdev(c.evdev);
        ASSERT_TRUE(key) << c.evdev;
        EXPECT_EQ(key->code, c.vk) << c.evdev;
        EXPECT_EQ(key->extended, c.extended) << c.evdev;
    }
    EXPECT_FALSE(VirtualKeyFromEvdev(KEY_RESERVED));
    EXPECT_FALSE(VirtualKeyFromEvdev(KEY_MAX));
}

TEST(VirtualKeyFromXKeycode, XKeycodesAreEvdevCodesPlusEight) {
    EXPECT_EQ(VirtualKeyFromXKeycode(38)->code, 0x41u);  // 'a' on every evdev keymap
    EXPECT_EQ(VirtualKeyFromXKeycode(50)->code, 0xA0u);  // left shift
    EXPECT_FALSE(VirtualKeyFromXKeycode(7));
    EXPECT_FALSE(VirtualKeyFromXKeycode(0));
}

TEST(MouseEventFromXButton, ButtonsBecomeHookMessagesWithTheirCodes) {
    struct Case {
        uint32_t button;
        bool pressed;
        uint32_t eventCode;  // as UM_HOOK_INPUT carries it
    };
    const Case cases[] = {
        {1, true, 0x201},     {1, false, 0x202},    {2, true, 0x207},      {2, false, 0x208},
        {3, true, 0x204},     {3, false, 0x205},    {8, true, 0x1020B},    {8, false, 0x1020C},
        {9, true, 0x2020B},   {9, false, 0x2020C},  {4, true, 0x20A01},    {5, true, 0x20A00},
    };
    for (const Case& c : cases) {
        const auto event = MouseEventFromXButton(c.button, c.pressed);
        ASSERT_TRUE(event) << c.button;
        EXPECT_EQ(MouseEventCode(event->message, event->mouseData), c.eventCode) << c.button;
    }
    // Wheel notches have no release; buttons beyond 9 have no Windows form.
    EXPECT_FALSE(MouseEventFromXButton(4, false));
    EXPECT_FALSE(MouseEventFromXButton(10, true));
    EXPECT_EQ(MouseEventFromXButton(7, true)->message, WM_MOUSEHWHEEL);
}

TEST(XButtonForHookCode, EveryHookButtonCodeHasItsXButton) {
    const uint32_t expected[] = {1, 2, 3, 9, 8, 4, 5};  // buttons 0..6 of a profile
    for (std::size_t i = 0; i < kHookButtonCode.size(); ++i) {
        EXPECT_EQ(XButtonForHookCode(kHookButtonCode[i]), expected[i]) << i;
    }
    EXPECT_EQ(XButtonForHookCode(0x2020C), 0u);
}

}  // namespace
}  // namespace oryn7px
