#include "core/device/apply_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <memory>

#include "core/base/messages.h"
#include "core/base/utf16.h"
#include "core/device/input_hooks.h"
#include "core/device/usb_driver.h"
#include "fakes/fake_hook_backend.h"
#include "fakes/recording_pointer_settings.h"
#include "fakes/recording_target.h"
#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {
namespace {

using testing::FakeHookBackend;
using testing::RecordingPointerSettings;
using testing::RecordingTarget;

constexpr uint32_t kForwardHook = 0x0002020B;

class ApplyWorkerTest : public ::testing::Test {
protected:
    ApplyWorkerTest() : mouse(clock, {.strictTiming = true}) {
        BuildDefaultProfile(settings->profile, false);
    }

    void SetUp() override {
        ASSERT_TRUE(driver.OpenDevice());
        clock.ClearPauses();
    }

    ApplyWorkerLinks Links() {
        return {driver, pointer, clock, shared, mainWindow, progressWindow, &hooks, nullptr, nullptr};
    }

    std::optional<int32_t> Pass() {
        ApplyWorker worker(Links());
        return worker.RunPass(TakeApplySnapshot(*settings));
    }

    // Adds a macro of `keys` key presses (down and up) to the library.
    void AddMacro(std::size_t index, uint32_t id, int keys) {
        MacroEntry& entry = settings->MacroTable[index];
        std::memset(&entry, 0, sizeof entry);
        entry.dwSize = 4100 + 4 * static_cast<uint32_t>(keys * 2);
        entry.dwMagic = kMacroMagic;
        entry.dwMacroId = id;
        entry.dwRepeat = 1;
        entry.dwEventCount = static_cast<uint32_t>(keys * 2);
        for (int k = 0; k < keys; ++k) {
            entry.dwEvents[k * 2] = MakeEvent(kEventKeyDown, 0x41);
            entry.dwEvents[k * 2 + 1] = MakeEvent(kEventKeyUp, 0x41);
        }
    }

    void BindMacro(int button, uint32_t id) {
        settings->profile.Buttons[button].nFunction = kFunctionMacro;
        settings->profile.Buttons[button].nMacroId = id;
        settings->ButtonMacroId[button] = id;
    }

    std::vector<uintptr_t> ProgressSteps() {
        std::vector<uintptr_t> steps;
        for (const Message& m : progressWindow.Take()) {
            if (m.msg == UM_APPLY_PROGRESS) steps.push_back(m.wParam);
        }
        return steps;
    }

    VirtualClock clock;
    VirtualMouse mouse;
    CUSBDriver driver{mouse, clock};
    std::unique_ptr<SettingsState> settings = std::make_unique<SettingsState>();
    RecordingPointerSettings pointer;
    ApplyShared shared;
    RecordingTarget mainWindow;
    RecordingTarget progressWindow;
    FakeHookBackend hookBackend;
    InputHooks hooks{hookBackend};
};

TEST_F(ApplyWorkerTest, DefaultProfileReachesTheMouse) {
    EXPECT_EQ(Pass(), std::nullopt);

    const VirtualMouseState state = mouse.State();
    EXPECT_EQ(state.keyMatrix, (std::array<uint32_t, 16>{0x00F00001, 0x00F10001, 0x00F20001, 0x00030007, 0x00F30001,
                                                          0x00F40001, 0x0002000A, 0, 0, 0, 0, 0, 0, 0, 0x00010004,
                                                          0x00020004}));
    EXPECT_EQ(state.effect, (std::array<uint8_t, 3>{5, 2, 0}));
    EXPECT_FALSE(state.ledColor);
    EXPECT_FALSE(state.colorTable);
    EXPECT_EQ(state.touch, 0x80);
    EXPECT_EQ(state.dpiTable, (std::array<uint8_t, 16>{10, 15, 20, 25, 30, 40, 50, 2, 10, 15, 20, 25, 30, 40, 50, 2}));
    EXPECT_EQ(state.command0B, 0);
    EXPECT_EQ(state.reportRate, 1);
    EXPECT_TRUE(state.violations.empty()) << state.violations.front();
    EXPECT_EQ(pointer.calls, (std::vector<std::string>{"precision=0", "speed=10", "wheel=3"}));

    EXPECT_EQ(ProgressSteps(), (std::vector<uintptr_t>{0, 7, 14, 21, 28, 35, 42, 49, 60, 70, 75, 80, 90, 100}));
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_APPLY_DONE, 0, 0}}));
    // The main window sets applyReady again when it has saved.
    EXPECT_EQ(shared.deviceState.Read(), (DeviceStateView{false, DeviceActivity::kIdle, false}));
    // What was written is handed back for the save.
    const auto written = shared.mailbox.TakeWritten();
    ASSERT_TRUE(written);
    EXPECT_EQ(std::memcmp(&written->profile, &settings->profile, sizeof(ProfileData)), 0);
}

TEST_F(ApplyWorkerTest, PausesFollowTheProtocol) {
    Pass();
    const std::vector<uint32_t> pauses = clock.Pauses();
    // Start, then one 50 ms pause per stored button code, before the key matrix command.
    ASSERT_GE(pauses.size(), 9u);
    EXPECT_EQ(std::vector<uint32_t>(pauses.begin(), pauses.begin() + 9), std::vector<uint32_t>(9, 50));
    EXPECT_EQ(pauses.back(), 300u);
    // Worker pauses (50 + 8 × 50 + 1500 + 300) plus the commands' own: key matrix 300,
    // DPI table 100 (announce 50 + output 50).
    EXPECT_EQ(clock.TotalPausedMs(), 2250u + 300u + 100u);
}

TEST_F(ApplyWorkerTest, MacrosGetSlotsInButtonOrderWithTheirLength) {
    AddMacro(0, 0x16000002, 2);  // listed first, bound to the later button
    AddMacro(1, 0x16000001, 5);  // 10 key events: used length 22, padded 32
    BindMacro(3, 0x16000001);
    BindMacro(4, 0x16000002);
    BindMacro(1, 0x16000099);  // not in the library
    EXPECT_EQ(Pass(), std::nullopt);

    const VirtualMouseState state = mouse.State();
    ASSERT_TRUE(state.keyMatrix);
    EXPECT_EQ((*state.keyMatrix)[5], 0x21010009u);  // forward: macro kind, slot 1, length 33
    EXPECT_EQ((*state.keyMatrix)[4], 0x21020009u);  // back: slot 2
    EXPECT_EQ((*state.keyMatrix)[2], 0x00F20001u);  // missing macro: the middle button keeps its job
    EXPECT_EQ(state.macroSlots.size(), 2u);
    EXPECT_EQ(state.macroSlots.at(1)[2], 0x01);  // first key record of the 5-key macro
    EXPECT_TRUE(state.violations.empty());
    // Each macro button waits 1500 ms, and 50 ms after an upload.
    const uint32_t uploads = 2 * (100 + 32 * 100);
    EXPECT_EQ(clock.TotalPausedMs(), 2650u + 3 * 1500u + 2 * 50u + uploads);
}

TEST_F(ApplyWorkerTest, FailedMacroUploadFailsThePass) {
    AddMacro(0, 0x16000001, 1);
    BindMacro(3, 0x16000001);
    mouse.RefuseCommand(0x13);
    EXPECT_EQ(Pass(), kApplyFailKeyMatrix);
    EXPECT_FALSE(mouse.State().keyMatrix);
    EXPECT_FALSE(shared.mailbox.TakeWritten());
    // The mouse still answers: a removal notice after this failure is a removal of its own.
    EXPECT_FALSE(shared.deviceState.Read().writeLostMouse);
}

TEST_F(ApplyWorkerTest, PendingReportsCountAsDoneUnlessNoneOfAMacrosWent) {
    AddMacro(0, 0x16000001, 1);
    struct Case {
        bool macroBound;
        std::optional<int32_t> result;
    };
    for (const Case c : {Case{false, std::nullopt}, Case{true, kApplyFailKeyMatrix}}) {
        SCOPED_TRACE(c.macroBound);
        mouse.Reset();
        ASSERT_TRUE(driver.OpenDevice());
        if (c.macroBound) BindMacro(3, 0x16000001);
        mouse.LeaveOutputPending(true);
        EXPECT_EQ(Pass(), c.result);
        EXPECT_FALSE(mouse.State().keyMatrix);  // nothing completed on the mouse's side
    }
}

TEST_F(ApplyWorkerTest, FirmwareVersionIsReadOnTheWorkersThread) {
    ApplyWorker worker(Links());
    worker.Start();
    worker.RequestFirmwareVersion();
    std::vector<Message> messages;
    for (int i = 0; i < 1000 && messages.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        messages = mainWindow.Take();
    }
    EXPECT_EQ(messages, (std::vector<Message>{{UM_FIRMWARE_VERSION, 103, 0}}));
    EXPECT_FALSE(mouse.State().keyMatrix);  // a version request is no pass
    mouse.Unplug();
    worker.RequestFirmwareVersion();
    messages.clear();
    for (int i = 0; i < 1000 && messages.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        messages = mainWindow.Take();
    }
    EXPECT_EQ(messages, (std::vector<Message>{{UM_FIRMWARE_VERSION, 0, 0}}));
}

TEST_F(ApplyWorkerTest, HostActionsAreInterceptedAndKeepTheOrdinaryCode) {
    settings->profile.Buttons[3].nFunction = kFunctionHostAction;
    settings->profile.Buttons[3].dwKeyFunction = kHostRunProgram;
    settings->profile.Buttons[7].nFunction = kFunctionHostAction;
    hooks.InterceptButton(0x0201);  // left no longer carries an action: released
    EXPECT_EQ(Pass(), std::nullopt);

    EXPECT_EQ(hooks.InterceptedButtons(), (std::vector<uint32_t>{kForwardHook}));
    const auto matrix = *mouse.State().keyMatrix;
    EXPECT_EQ(matrix[5], 0x00F40001u);
    EXPECT_EQ(matrix[3], 0x00030007u);  // the eighth button is not seen by the host: DPI loop
}

TEST_F(ApplyWorkerTest, KeysAndUnknownFunctions) {
    settings->profile.Buttons[3].nFunction = kFunctionKey;
    settings->profile.Buttons[3].dwKeyValue = 0x00040300;
    settings->profile.Buttons[4].nFunction = 3;  // no code: the slot stays empty
    EXPECT_EQ(Pass(), std::nullopt);
    const auto matrix = *mouse.State().keyMatrix;
    EXPECT_EQ(matrix[5], 0x00040300u);
    EXPECT_EQ(matrix[4], 0u);
}

TEST_F(ApplyWorkerTest, LightingByMode) {
    struct Case {
        int32_t mode;
        int32_t option;
        std::optional<std::array<uint8_t, 3>> color;
        std::array<uint8_t, 3> effect;
        bool table;
        uint8_t touch;
    };
    const Case cases[] = {
        {1, 0, std::array<uint8_t, 3>{0x20, 0x10, 0x30}, {1, 5, 1}, false, 0x80},
        {2, 0, std::array<uint8_t, 3>{0x20, 0x10, 0x30}, {2, 3, 1}, false, 0x80},
        {3, 0, std::nullopt, {3, 2, 3}, false, 0x80},
        {4, 0, std::nullopt, {4, 10, 2}, false, 0x80},
        {5, 1, std::nullopt, {5, 2, 1}, true, 0x80},
        {6, 0, std::nullopt, {0, 0, 0}, false, 0x00},
        {9, 0, std::nullopt, {0, 0, 0}, false, 0x80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        mouse.Reset();
        ASSERT_TRUE(driver.OpenDevice());
        settings->profile.nLightMode = c.mode;
        settings->profile.nLightOption = c.option;
        settings->profile.LightColor[4] = {0x10, 0x20, 0x30, 0};
        settings->profile.LightColor[1] = {0xAA, 0xBB, 0xCC, 0};
        EXPECT_EQ(Pass(), std::nullopt);
        const VirtualMouseState state = mouse.State();
        EXPECT_EQ(state.ledColor, c.color);
        EXPECT_EQ(state.effect, c.effect);
        EXPECT_EQ(state.touch, c.touch);
        ASSERT_EQ(state.colorTable.has_value(), c.table);
        if (c.table) {
            EXPECT_EQ((*state.colorTable)[0], 0xFF);
            EXPECT_EQ((*state.colorTable)[3], 0xAA);
            EXPECT_EQ((*state.colorTable)[5], 0xCC);
            EXPECT_EQ((*state.colorTable)[12], 0x00);
        }
        EXPECT_TRUE(state.violations.empty());
    }
}

TEST_F(ApplyWorkerTest, DpiTableFromOrderAndValues) {
    const int32_t order[] = {0, 1, 2, 255, 255, 255, 255};
    const int32_t values[] = {10, 20, 30, 40, 50, 60, 70};
    std::copy(std::begin(order), std::end(order), settings->profile.nDpiOrder);
    std::copy(std::begin(values), std::end(values), settings->profile.nDpiValue);
    settings->profile.nDpiOrder[4] = 77;  // damaged file: no write outside the table
    EXPECT_EQ(Pass(), std::nullopt);
    EXPECT_EQ(mouse.State().dpiTable, (std::array<uint8_t, 16>{0x0A, 0x14, 0x1E, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x0A,
                                                               0x14, 0x1E, 0xFF, 0xFF, 0xFF, 0xFF, 0x02}));
}

TEST_F(ApplyWorkerTest, FirstFailingStepEndsThePass) {
    struct Case {
        uint8_t command;
        int32_t lightMode;
        int32_t code;
        std::u16string_view text;
    };
    const Case cases[] = {
        {0x12, 5, kApplyFailKeyMatrix, u"write mousekey metix fail.\n"},
        {0x0C, 1, kApplyFailLedColor, u"Write mouse LED color failed.\n"},
        {0x0D, 5, kApplyFailEffect, u"Write mouse effect failed.\n"},
        {0x09, 5, kApplyFailColorTable, u"Write LED color123 failed.\n"},
        {0x03, 5, kApplyFailTouch, u"Write mouse touch failed.\n"},
        {0x11, 5, kApplyFailDpi, u"Write mouse DPI failed.\n"},
        {0x01, 5, kApplyFailReportRate, u"Write mouse report rate failed.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        mouse.Reset();
        ASSERT_TRUE(driver.OpenDevice());
        mouse.RefuseCommand(c.command);
        settings->profile.nLightMode = c.lightMode;
        settings->profile.nLightOption = 1;
        EXPECT_EQ(Pass(), c.code);
        EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_APPLY_FAILED, 0, c.code}}));
        EXPECT_EQ(ApplyFailureText(c.code), c.text);
        EXPECT_FALSE(mouse.State().reportRate);  // later steps are not tried
        const auto closing = progressWindow.Take();
        ASSERT_FALSE(closing.empty());
        EXPECT_EQ(closing.back().msg, WM_CLOSE);
    }
    EXPECT_EQ(ApplyFailureText(7), u"");
    EXPECT_EQ(ApplyFailureText(-1), u"");
}

TEST_F(ApplyWorkerTest, ThreadRunsOnePassPerRequestAndStopsWithoutWriting) {
    {
        ApplyWorker worker(Links());
        worker.Start();
        shared.mailbox.PutRequest(TakeApplySnapshot(*settings));
        shared.hApplyEvent.Set();
        for (int i = 0; i < 500 && mainWindow.Take().empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_TRUE(mouse.State().keyMatrix);
    }
    mouse.Reset();
    ASSERT_TRUE(driver.OpenDevice());
    {
        ApplyWorker worker(Links());
        worker.Start();
    }  // stopped while waiting
    EXPECT_TRUE(mouse.State().log.empty());
}

}  // namespace
}  // namespace oryn7px
