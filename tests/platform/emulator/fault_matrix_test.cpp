// Every command of a pass meets every fault a mouse can show: it is refused, it is never
// answered, the mouse is pulled just before it, or just after it. Each time the pass reports
// the right failure (or an honest success), nothing is saved after a failure, and once the
// fault is gone (the mouse plugged in again) the next pass succeeds and is saved.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "core/app/apply_handshake.h"
#include "core/base/messages.h"
#include "core/device/apply_worker.h"
#include "core/device/usb_driver.h"
#include "core/support/settings_fixture.h"
#include "fakes/recording_pointer_settings.h"
#include "fakes/recording_target.h"
#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {
namespace {

using testing::ReadAll;
using testing::RecordingPointerSettings;
using testing::RecordingTarget;

constexpr uint32_t kMacroId = 0x16000001;
constexpr int32_t kDone = -1;

enum class Fault { kRefuse, kTimeOut, kUnplugBefore, kUnplugAfter };

struct Row {
    uint8_t command;
    int32_t lightMode;  // 1 sends the single colour (0x0C); 5 with option 1 the colour table (0x09)
    int32_t refused;    // failure code, or kDone when the pass succeeds
    int32_t timedOut;
    int32_t unpluggedBefore;
    int32_t unpluggedAfter;
};

// Pass order. Refusals and losses of 0x0B are ignored, as its result is; a time-out of a
// command with data reports leaves them pending, which counts as done, except when not one
// report of a macro went through.
constexpr Row kMatrix[] = {
    {0x13, 5, kApplyFailKeyMatrix, kApplyFailKeyMatrix, kApplyFailKeyMatrix, kApplyFailKeyMatrix},
    {0x12, 5, kApplyFailKeyMatrix, kDone, kApplyFailKeyMatrix, kApplyFailEffect},
    {0x0C, 1, kApplyFailLedColor, kApplyFailLedColor, kApplyFailLedColor, kApplyFailEffect},
    {0x0D, 5, kApplyFailEffect, kApplyFailEffect, kApplyFailEffect, kApplyFailColorTable},
    {0x09, 5, kApplyFailColorTable, kDone, kApplyFailColorTable, kApplyFailTouch},
    {0x03, 5, kApplyFailTouch, kApplyFailTouch, kApplyFailTouch, kApplyFailDpi},
    {0x11, 5, kApplyFailDpi, kDone, kApplyFailDpi, kApplyFailReportRate},
    {0x0B, 5, kDone, kDone, kApplyFailReportRate, kApplyFailReportRate},
    {0x01, 5, kApplyFailReportRate, kApplyFailReportRate, kApplyFailReportRate, kDone},
};

const char* FaultName(Fault fault) {
    switch (fault) {
        case Fault::kRefuse: return "refused";
        case Fault::kTimeOut: return "timed out";
        case Fault::kUnplugBefore: return "unplugged before";
        case Fault::kUnplugAfter: return "unplugged after";
    }
    return "";
}

class FaultMatrixTest : public testing::SettingsFixture {
protected:
    void SetUp() override {
        store.LoadProfileIndex();
        MacroEntry& macro = state->MacroTable[0];
        macro.dwSize = 4100 + 8;
        macro.dwMagic = kMacroMagic;
        macro.dwMacroId = kMacroId;
        macro.dwRepeat = 1;
        macro.dwEventCount = 2;
        macro.dwEvents[0] = MakeEvent(kEventKeyDown, 0x41);
        macro.dwEvents[1] = MakeEvent(kEventKeyUp, 0x41);
        state->profile.Buttons[3].nFunction = kFunctionMacro;
        state->profile.Buttons[3].nMacroId = kMacroId;
        state->ButtonMacroId[3] = kMacroId;
        state->profile.nLightOption = 1;
    }

    // A pass as the program runs it: request, the worker's pass, the main window's answer.
    int32_t Apply() {
        messages.shown.clear();
        EXPECT_TRUE(RequestApply(shared, *state, store));
        shared.hApplyEvent.Reset();
        worker.RunPass(shared.mailbox.TakeRequest());
        int32_t result = kDone - 1;
        for (const Message& m : mainWindow.Take()) {
            if (m.msg == UM_APPLY_DONE) {
                EXPECT_TRUE(OnApplyDone(store, shared));
                result = kDone;
            }
            if (m.msg == UM_APPLY_FAILED) {
                OnApplyFailed(m.lParam, shared, messages);
                result = static_cast<int32_t>(m.lParam);
            }
        }
        progressWindow.Take();
        return result;
    }

    // Where the command's reports start and where the next command's start, in a clean pass.
    std::pair<uint32_t, uint32_t> ReportsAround(uint8_t command) {
        mouse.Reset();
        EXPECT_TRUE(driver.OpenDevice());
        EXPECT_EQ(Apply(), kDone);
        const auto log = mouse.State().log;
        auto isFeature = [&log](size_t i) { return log[i].kind == VirtualMouseLogEntry::Kind::Feature; };
        uint32_t first = 0;
        while (first < log.size() && !(isFeature(first) && log[first].bytes[1] == command)) ++first;
        EXPECT_LT(first, log.size()) << "the pass never sends this command";
        uint32_t next = first + 1;
        while (next < log.size() && !isFeature(next)) ++next;
        return {first, next};
    }

    void Inject(Fault fault, uint8_t command, std::pair<uint32_t, uint32_t> reports) {
        switch (fault) {
            case Fault::kRefuse: mouse.RefuseCommand(command); break;
            case Fault::kTimeOut: mouse.TimeOutCommand(command); break;
            case Fault::kUnplugBefore: mouse.UnplugAfterReports(reports.first); break;
            case Fault::kUnplugAfter: mouse.UnplugAfterReports(reports.second); break;
        }
    }

    // The program on arrival: the mouse opened again.
    void Replug() {
        mouse.ClearFaults();
        if (!mouse.IsPlugged()) mouse.Plug();
        ASSERT_TRUE(driver.OpenDevice());
        shared.deviceState.MouseArrived();
    }

    VirtualMouse mouse{clock, {.strictTiming = true}};
    CUSBDriver driver{mouse, clock};
    ProfileStore store{*state, paths, writer, messages, texts};
    RecordingPointerSettings pointer;
    ApplyShared shared;
    RecordingTarget mainWindow;
    RecordingTarget progressWindow;
    ApplyWorker worker{{driver, pointer, clock, shared, mainWindow, progressWindow}};
};

TEST_F(FaultMatrixTest, EveryCommandAgainstEveryFault) {
    for (const Row& row : kMatrix) {
        for (const Fault fault : {Fault::kRefuse, Fault::kTimeOut, Fault::kUnplugBefore, Fault::kUnplugAfter}) {
            SCOPED_TRACE(::testing::Message() << "command 0x" << std::hex << int{row.command} << " "
                                              << FaultName(fault));
            state->profile.nLightMode = row.lightMode;
            state->profile.nDpiValue[0] = 10;
            const auto reports = ReportsAround(row.command);
            const auto savedProfile = ReadAll(store.ProfilePath(0));
            const auto savedIndex = ReadAll(store.IndexPath());

            mouse.Reset();
            ASSERT_TRUE(driver.OpenDevice());
            Inject(fault, row.command, reports);
            state->profile.nDpiValue[0] = 44;
            const int32_t expected = fault == Fault::kRefuse         ? row.refused
                                     : fault == Fault::kTimeOut      ? row.timedOut
                                     : fault == Fault::kUnplugBefore ? row.unpluggedBefore
                                                                     : row.unpluggedAfter;
            ASSERT_EQ(Apply(), expected);
            const bool unplugged = !mouse.IsPlugged();
            EXPECT_EQ(unplugged, fault == Fault::kUnplugBefore || fault == Fault::kUnplugAfter);
            EXPECT_TRUE(shared.deviceState.Read().applyReady);
            EXPECT_EQ(shared.deviceState.Read().activity, DeviceActivity::kIdle);
            if (expected != kDone) {
                ASSERT_EQ(messages.shown.size(), 1u);
                EXPECT_EQ(messages.shown[0].text, ApplyFailureText(expected));
                EXPECT_EQ(ReadAll(store.ProfilePath(0)), savedProfile);
                EXPECT_EQ(ReadAll(store.IndexPath()), savedIndex);
                // A later removal notice belongs to this write only when the mouse is gone.
                EXPECT_EQ(shared.deviceState.Read().writeLostMouse, unplugged);
            }
            EXPECT_TRUE(mouse.State().violations.empty()) << mouse.State().violations.front();

            Replug();
            state->profile.nDpiValue[0] = 55;
            ASSERT_EQ(Apply(), kDone);
            const auto profile = ReadAll(store.ProfilePath(0));
            ASSERT_EQ(profile.size(), sizeof(ProfileData));
            EXPECT_EQ(profile[offsetof(ProfileData, nDpiValue)], 55);
            EXPECT_EQ(mouse.State().dpiTable->at(0), 55);
        }
    }
}

// A report-rate write the mouse refused used to count as success: the pass said "written and
// saved" while the mouse kept its old rate.
TEST_F(FaultMatrixTest, RefusedReportRateSavesNothing) {
    state->profile.nLightMode = 5;
    mouse.RefuseCommand(0x01);
    ASSERT_TRUE(driver.OpenDevice());
    const auto savedProfile = ReadAll(store.ProfilePath(0));
    state->profile.nReportRate = 8;
    EXPECT_EQ(Apply(), kApplyFailReportRate);
    EXPECT_EQ(messages.shown.at(0).text, u"Write mouse report rate failed.\n");
    EXPECT_EQ(ReadAll(store.ProfilePath(0)), savedProfile);
    EXPECT_FALSE(mouse.State().reportRate);
}

}  // namespace
}  // namespace oryn7px
