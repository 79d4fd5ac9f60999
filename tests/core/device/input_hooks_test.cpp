#include "core/device/input_hooks.h"

#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "core/device/hook_codes.h"
#include "fakes/fake_hook_backend.h"
#include "fakes/recording_target.h"

namespace oryn7px {
namespace {

using testing::FakeHookBackend;
using testing::RecordingTarget;

class InputHooksTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(hooks.InstallInputHooks(&mainWindow)); }

    FakeHookBackend backend;
    InputHooks hooks{backend};
    RecordingTarget mainWindow;
};

TEST(HookCodes, PressesAndWheelNotchesGetTheirButtonCodes) {
    struct Case {
        uint32_t message;
        uint32_t mouseData;
        std::optional<uint32_t> press;
        uint32_t eventCode;
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, 0, kHookCodeLeft, 0x201},
        {WM_RBUTTONDOWN, 0, kHookCodeRight, 0x204},
        {WM_MBUTTONDOWN, 0, kHookCodeMiddle, 0x207},
        {WM_XBUTTONDOWN, XBUTTON1_DATA, kHookCodeBack, 0x1020B},
        {WM_XBUTTONDOWN, XBUTTON2_DATA, kHookCodeForward, 0x2020B},
        {WM_MOUSEWHEEL, WheelData(WHEEL_DELTA), kHookCodeWheelUp, 0x20A01},
        {WM_MOUSEWHEEL, WheelData(0), kHookCodeWheelUp, 0x20A01},
        {WM_MOUSEWHEEL, WheelData(-WHEEL_DELTA), kHookCodeWheelDown, 0x20A00},
        {WM_LBUTTONUP, 0, std::nullopt, 0x202},
        {WM_XBUTTONUP, XBUTTON2_DATA, std::nullopt, 0x2020C},
        {WM_MOUSEMOVE, 0, std::nullopt, 0x200},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PressCode(c.message, c.mouseData), c.press) << std::hex << c.message;
        EXPECT_EQ(MouseEventCode(c.message, c.mouseData), c.eventCode) << std::hex << c.message;
    }
}

TEST_F(InputHooksTest, ForwardsEveryKeyAndButtonEventToTheOwnerAndPassesThemOn) {
    EXPECT_FALSE(hooks.KeyboardProc(0x41, 0x00));
    EXPECT_FALSE(hooks.KeyboardProc(0x41, 0x80));
    EXPECT_FALSE(hooks.MouseProc(WM_XBUTTONDOWN, XBUTTON2_DATA));
    EXPECT_FALSE(hooks.MouseProc(WM_XBUTTONUP, XBUTTON2_DATA));
    EXPECT_FALSE(hooks.MouseProc(WM_MOUSEMOVE, 0));
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_HOOK_INPUT, 0x41, 0x00},
                                                      {UM_HOOK_INPUT, 0x41, 0x80},
                                                      {UM_HOOK_INPUT, 0x2020B, 0},
                                                      {UM_HOOK_INPUT, 0x2020C, 0}}));
}

TEST_F(InputHooksTest, InterceptedButtonSwallowsPressAndItsReleaseOnly) {
    hooks.SetHookForwarding(false, false);
    hooks.InterceptButton(kHookCodeBack);
    EXPECT_TRUE(hooks.MouseProc(WM_XBUTTONDOWN, XBUTTON1_DATA));
    // The other X button's release is not the one remembered.
    EXPECT_FALSE(hooks.MouseProc(WM_XBUTTONUP, XBUTTON2_DATA));
    EXPECT_TRUE(hooks.MouseProc(WM_XBUTTONUP, XBUTTON1_DATA));
    EXPECT_FALSE(hooks.MouseProc(WM_XBUTTONUP, XBUTTON1_DATA));
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_HOST_ACTION, kHookCodeBack, 0}}));
}

TEST_F(InputHooksTest, InterceptedLeftClickIsReportedOnceAndReachesNobody) {
    hooks.InterceptButton(kHookCodeLeft);
    EXPECT_TRUE(hooks.MouseProc(WM_LBUTTONDOWN, 0));
    EXPECT_TRUE(hooks.MouseProc(WM_LBUTTONUP, 0));
    // The press is still forwarded while mouse forwarding is on; the release goes silently.
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_HOST_ACTION, kHookCodeLeft, 0},
                                                      {UM_HOOK_INPUT, kHookCodeLeft, 0}}));
}

TEST_F(InputHooksTest, InterceptedWheelNotchIsSwallowedEveryTime) {
    hooks.SetHookForwarding(false, false);
    hooks.InterceptButton(kHookCodeWheelUp);
    EXPECT_TRUE(hooks.MouseProc(WM_MOUSEWHEEL, WheelData(WHEEL_DELTA)));
    EXPECT_TRUE(hooks.MouseProc(WM_MOUSEWHEEL, WheelData(WHEEL_DELTA)));
    EXPECT_FALSE(hooks.MouseProc(WM_MOUSEWHEEL, WheelData(-WHEEL_DELTA)));
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_HOST_ACTION, kHookCodeWheelUp, 0},
                                                      {UM_HOST_ACTION, kHookCodeWheelUp, 0}}));
}

TEST_F(InputHooksTest, NotifyAllReportsEveryPressButPassesItOn) {
    hooks.SetHookForwarding(false, false);
    hooks.SetButtonNotify(true);
    EXPECT_FALSE(hooks.MouseProc(WM_RBUTTONDOWN, 0));
    EXPECT_FALSE(hooks.MouseProc(WM_RBUTTONUP, 0));
    EXPECT_FALSE(hooks.MouseProc(WM_MOUSEWHEEL, WheelData(-WHEEL_DELTA)));
    EXPECT_FALSE(hooks.KeyboardProc(0x41, 0));
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_HOST_ACTION, kHookCodeRight, 0},
                                                      {UM_HOST_ACTION, kHookCodeWheelDown, 0}}));
}

TEST_F(InputHooksTest, InterceptListHoldsTwelveDistinctCodesAndFreesEntries) {
    hooks.InterceptButton(kHookCodeBack);
    hooks.InterceptButton(kHookCodeBack);
    EXPECT_EQ(hooks.InterceptedButtons(), (std::vector<uint32_t>{kHookCodeBack}));
    for (uint32_t code = 1; code <= 12; ++code) hooks.InterceptButton(0x1000 + code);
    EXPECT_EQ(hooks.InterceptedButtons().size(), 12u);
    EXPECT_EQ(hooks.InterceptedButtons().back(), 0x100Bu);  // the twelfth code found no entry
    hooks.ReleaseButton(kHookCodeBack);
    hooks.InterceptButton(kHookCodeForward);
    EXPECT_EQ(hooks.InterceptedButtons().front(), kHookCodeForward);  // the first free entry
    EXPECT_EQ(backend.published.back(), hooks.InterceptedButtons());
}

TEST_F(InputHooksTest, OwnerFollowsSetHookOwnerAndReturnsWhenForwardingEnds) {
    RecordingTarget page;
    hooks.SetHookOwner(&page);
    hooks.SetHookForwarding(true, false);
    hooks.KeyboardProc(0x1B, 0);
    hooks.MouseProc(WM_LBUTTONDOWN, 0);
    EXPECT_EQ(page.Take(), (std::vector<Message>{{UM_HOOK_INPUT, 0x1B, 0}}));
    hooks.SetHookForwarding(false, false);
    hooks.SetHookForwarding(true, true);
    hooks.KeyboardProc(0x1B, 0);
    EXPECT_TRUE(page.Take().empty());
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_HOOK_INPUT, 0x1B, 0}}));
}

TEST(InputHooks, InterceptListSurvivesRemovalAndIsHandedToTheBackendAgain) {
    FakeHookBackend backend;
    InputHooks hooks(backend);
    RecordingTarget window;
    hooks.InterceptButton(kHookCodeForward);
    ASSERT_TRUE(hooks.InstallInputHooks(&window));
    hooks.RemoveInputHooks();
    EXPECT_EQ(backend.sink, nullptr);
    ASSERT_TRUE(hooks.InstallInputHooks(&window));
    EXPECT_EQ(backend.installs, 2);
    EXPECT_EQ(backend.removes, 1);
    EXPECT_EQ(backend.published.back(), (std::vector<uint32_t>{kHookCodeForward}));
}

TEST(InputHooks, FailedInstallReportsWhyAndPostsNothing) {
    FakeHookBackend backend;
    backend.accept = false;
    InputHooks hooks(backend);
    RecordingTarget window;
    EXPECT_FALSE(hooks.InstallInputHooks(&window));
    EXPECT_FALSE(hooks.IsInstalled());
    EXPECT_EQ(hooks.Status(), "no display");
    hooks.RemoveInputHooks();
    EXPECT_EQ(backend.removes, 0);
}

}  // namespace
}  // namespace oryn7px
