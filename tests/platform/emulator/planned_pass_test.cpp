// Passes of what differs (automatic switches) against the virtual mouse: which commands each
// difference sends, in the pass's order, with which pauses; the mouse then holds what a whole
// pass would have written; and whatever leaves a doubt makes the next pass whole again.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/base/messages.h"
#include "core/device/apply_worker.h"
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
using Pauses = std::vector<uint32_t>;

constexpr uint32_t kMacroA = 0x16000001;
constexpr uint32_t kMacroB = 0x16000002;
constexpr uint32_t kMiddleHook = 0x0207;

// The pauses each command brings: the link's own, and the mouse's time after a block.
Pauses UploadPauses() {
    Pauses pauses{100};
    for (int report = 0; report < 32; ++report) pauses.insert(pauses.end(), {50, 50});
    pauses.insert(pauses.end(), {50, 1500});
    return pauses;
}
const Pauses kMatrixPauses{100, 50, 50, 50, 50, 1500};
const Pauses kDpiPauses{50, 50};
const Pauses kColorTablePauses{50, 50, 1500};
const Pauses kReportRatePauses{300};

Pauses Join(std::initializer_list<Pauses> parts) {
    Pauses joined;
    for (const Pauses& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

std::string CommandName(const std::vector<uint8_t>& feature) {
    static const std::map<uint8_t, std::string> kNames = {
        {0x12, "matrix"}, {0x0C, "colour"}, {0x0D, "effect"}, {0x09, "table"}, {0x03, "touch"},
        {0x11, "dpi"},    {0x0B, "0B"},     {0x01, "rate"},   {0x80, "version"},
    };
    if (feature[1] == 0x13) return "upload " + std::to_string(feature[3]);
    const auto name = kNames.find(feature[1]);
    return name == kNames.end() ? "?" : name->second;
}

class Mouse {
public:
    Mouse() : mouse(clock, {.strictTiming = true}) {}

    ApplyWorkerLinks Links() { return {driver, pointer, clock, shared, mainWindow, progressWindow, &hooks, nullptr, nullptr}; }

    std::optional<int32_t> Pass(const SettingsState& settings, ApplyScope scope) {
        logStart_ = mouse.State().log.size();
        clock.ClearPauses();
        std::unique_ptr<ApplySnapshot> snapshot = TakeApplySnapshot(settings);
        snapshot->scope = scope;
        return worker.RunPass(std::move(snapshot));
    }

    // The commands of the last pass, in the order the mouse received them.
    std::vector<std::string> Commands() {
        std::vector<std::string> names;
        const VirtualMouseState state = mouse.State();
        for (std::size_t i = logStart_; i < state.log.size(); ++i) {
            if (state.log[i].kind == VirtualMouseLogEntry::Kind::Feature) names.push_back(CommandName(state.log[i].bytes));
        }
        return names;
    }

    void Replug() {
        mouse.Unplug();
        driver.CloseDevice();
        mouse.Plug();
        ASSERT_TRUE(driver.OpenDevice());
    }

    VirtualClock clock;
    VirtualMouse mouse;
    CUSBDriver driver{mouse, clock};
    RecordingPointerSettings pointer;
    ApplyShared shared;
    RecordingTarget mainWindow;
    RecordingTarget progressWindow;
    FakeHookBackend hookBackend;
    InputHooks hooks{hookBackend};
    ApplyWorker worker{Links()};

private:
    std::size_t logStart_ = 0;
};

// Everything a whole pass of the same profile leaves on a fresh mouse, the planned mouse holds.
void ExpectHoldsTheSame(const VirtualMouseState& planned, const VirtualMouseState& whole) {
    EXPECT_EQ(planned.keyMatrix, whole.keyMatrix);
    EXPECT_EQ(planned.effect, whole.effect);
    EXPECT_EQ(planned.touch, whole.touch);
    EXPECT_EQ(planned.dpiTable, whole.dpiTable);
    EXPECT_EQ(planned.reportRate, whole.reportRate);
    if (whole.ledColor) EXPECT_EQ(planned.ledColor, whole.ledColor);
    if (whole.colorTable) EXPECT_EQ(planned.colorTable, whole.colorTable);
    for (const auto& [slot, image] : whole.macroSlots) {
        ASSERT_TRUE(planned.macroSlots.count(slot)) << "slot " << int(slot);
        EXPECT_EQ(planned.macroSlots.at(slot), image) << "slot " << int(slot);
    }
    EXPECT_TRUE(planned.violations.empty()) << planned.violations.front();
}

class PlannedPassTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mouse.driver.OpenDevice());
    }

    // Two macro buttons (forward in slot 1, back in slot 2) and the steady light, which sends
    // its colour before its effect.
    static std::unique_ptr<SettingsState> Base() {
        auto s = std::make_unique<SettingsState>();
        BuildDefaultProfile(s->profile, false);
        SetMacro(*s, 0, kMacroA, 2, 0x41);
        SetMacro(*s, 1, kMacroB, 2, 0x42);
        Bind(*s, 3, kMacroA);
        Bind(*s, 4, kMacroB);
        s->profile.nLightMode = 1;
        return s;
    }

    static void SetMacro(SettingsState& s, std::size_t index, uint32_t id, int keys, uint32_t key) {
        MacroEntry& entry = s.MacroTable[index];
        std::memset(&entry, 0, sizeof entry);
        entry.dwSize = 4100 + 4 * static_cast<uint32_t>(keys * 2);
        entry.dwMagic = kMacroMagic;
        entry.dwMacroId = id;
        entry.dwRepeat = 1;
        entry.dwEventCount = static_cast<uint32_t>(keys * 2);
        for (int k = 0; k < keys; ++k) {
            entry.dwEvents[k * 2] = MakeEvent(kEventKeyDown, key);
            entry.dwEvents[k * 2 + 1] = MakeEvent(kEventKeyUp, key);
        }
    }

    static void Bind(SettingsState& s, int button, uint32_t id) {
        s.profile.Buttons[button].nFunction = kFunctionMacro;
        s.profile.Buttons[button].nMacroId = id;
        s.ButtonMacroId[button] = id;
    }

    Mouse mouse;
    std::unique_ptr<SettingsState> settings = Base();
};

const std::vector<std::string> kWholePass = {"upload 1", "upload 2", "matrix", "colour", "effect",
                                             "touch",    "dpi",      "0B",     "rate"};

TEST_F(PlannedPassTest, EachDifferenceSendsItsCommandsInThePassOrder) {
    struct Case {
        const char* what;
        std::function<void(SettingsState&)> change;
        std::vector<std::string> commands;
        Pauses pauses;
    };
    const Case cases[] = {
        {"nothing", [](SettingsState&) {}, {}, {}},
        {"a DPI level", [](SettingsState& s) { s.profile.nDpiValue[0] = 12; }, {"dpi", "0B"}, kDpiPauses},
        {"the steady colour", [](SettingsState& s) { s.profile.LightColor[4] = {0x10, 0x20, 0x30, 0}; },
         {"colour", "effect"}, {}},
        {"DPI and lighting",
         [](SettingsState& s) {
             s.profile.nDpiOrder[6] = 0xFF;
             s.profile.nLightParam1 = 2;
         },
         {"colour", "effect", "dpi", "0B"}, kDpiPauses},
        {"touch", [](SettingsState& s) { s.profile.nTouchMode = 0; }, {"touch"}, {}},
        {"report rate", [](SettingsState& s) { s.profile.nReportRate = 8; }, {"rate"}, kReportRatePauses},
        {"colour cycle with own colours",
         [](SettingsState& s) {
             s.profile.nLightMode = 5;
             s.profile.nLightOption = 1;
         },
         {"effect", "table"}, kColorTablePauses},
        // The touch byte goes off with the light.
        {"lighting off", [](SettingsState& s) { s.profile.nLightMode = 6; }, {"effect", "touch"}, {}},
        {"a macro's keys, same length", [](SettingsState& s) { SetMacro(s, 0, kMacroA, 2, 0x43); }, {"upload 1"},
         UploadPauses()},
        {"a macro grown past its length byte", [](SettingsState& s) { SetMacro(s, 0, kMacroA, 8, 0x41); },
         {"upload 1", "matrix"}, Join({UploadPauses(), kMatrixPauses})},
        // The back button's macro moves to slot 1.
        {"the forward button becomes a key",
         [](SettingsState& s) {
             s.profile.Buttons[3].nFunction = kFunctionKey;
             s.profile.Buttons[3].dwKeyValue = 0x00040300;
         },
         {"upload 1", "matrix"}, Join({UploadPauses(), kMatrixPauses})},
        // Slots and length bytes stay, so the key matrix does too.
        {"macros swapped",
         [](SettingsState& s) {
             Bind(s, 3, kMacroB);
             Bind(s, 4, kMacroA);
         },
         {"upload 1", "upload 2"}, Join({UploadPauses(), UploadPauses()})},
        // The mouse keeps the button's code; only the host learns of it.
        {"a host action on the middle button",
         [](SettingsState& s) { s.profile.Buttons[1].nFunction = kFunctionHostAction; }, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Mouse planned;
        ASSERT_TRUE(planned.driver.OpenDevice());
        settings = Base();
        ASSERT_EQ(planned.Pass(*settings, ApplyScope::kWhole), std::nullopt);
        c.change(*settings);
        ASSERT_EQ(planned.Pass(*settings, ApplyScope::kChanges), std::nullopt);
        EXPECT_EQ(planned.Commands(), c.commands);
        EXPECT_EQ(planned.clock.Pauses(), c.pauses);

        Mouse whole;
        ASSERT_TRUE(whole.driver.OpenDevice());
        ASSERT_EQ(whole.Pass(*settings, ApplyScope::kWhole), std::nullopt);
        ExpectHoldsTheSame(planned.mouse.State(), whole.mouse.State());
        EXPECT_EQ(planned.hooks.InterceptedButtons(), whole.hooks.InterceptedButtons());
    }
}

TEST_F(PlannedPassTest, HostSideStepsRunInEveryPass) {
    ASSERT_EQ(mouse.Pass(*settings, ApplyScope::kWhole), std::nullopt);
    settings->profile.Buttons[1].nFunction = kFunctionHostAction;
    mouse.pointer.calls.clear();
    ASSERT_EQ(mouse.Pass(*settings, ApplyScope::kChanges), std::nullopt);
    EXPECT_EQ(mouse.hooks.InterceptedButtons(), std::vector<uint32_t>{kMiddleHook});
    EXPECT_EQ(mouse.pointer.calls, (std::vector<std::string>{"precision=0", "speed=10", "wheel=3"}));
    // Reported as any pass, so the main window saves the profile the mouse now holds.
    EXPECT_EQ(mouse.mainWindow.Take().back(), (Message{UM_APPLY_DONE, 0, 0}));
    EXPECT_TRUE(mouse.shared.mailbox.TakeWritten());
}

TEST_F(PlannedPassTest, APlannedPassBecomesTheNextOnesReference) {
    ASSERT_EQ(mouse.Pass(*settings, ApplyScope::kWhole), std::nullopt);
    settings->profile.nDpiValue[0] = 12;
    ASSERT_EQ(mouse.Pass(*settings, ApplyScope::kChanges), std::nullopt);
    EXPECT_EQ(mouse.Commands(), (std::vector<std::string>{"dpi", "0B"}));
    settings->profile.nReportRate = 4;
    ASSERT_EQ(mouse.Pass(*settings, ApplyScope::kChanges), std::nullopt);
    EXPECT_EQ(mouse.Commands(), (std::vector<std::string>{"rate"}));
}

TEST_F(PlannedPassTest, TheApplyButtonWritesEverythingEveryTime) {
    ASSERT_EQ(mouse.Pass(*settings, ApplyScope::kWhole), std::nullopt);
    const Pauses first = mouse.clock.Pauses();
    ASSERT_EQ(mouse.Pass(*settings, ApplyScope::kWhole), std::nullopt);
    EXPECT_EQ(mouse.Commands(), kWholePass);
    EXPECT_EQ(mouse.clock.Pauses(), first);
}

// After any of these the mouse's content is not known, and a switch writes the whole pass,
// pauses and all, as the Apply button does.
TEST_F(PlannedPassTest, WhateverLeavesADoubtMakesTheNextPassWhole) {
    struct Case {
        const char* what;
        std::function<void(Mouse&, SettingsState&)> happen;
    };
    const Case cases[] = {
        {"no pass since the program started", nullptr},
        {"the mouse was unplugged and came back", [](Mouse& m, SettingsState&) { m.Replug(); }},
        {"the link was opened again", [](Mouse& m, SettingsState&) { ASSERT_TRUE(m.driver.OpenDevice()); }},
        {"a pass failed",
         [](Mouse& m, SettingsState& s) {
             m.mouse.RefuseCommand(0x11);
             s.profile.nDpiValue[0] = 12;
             ASSERT_EQ(m.Pass(s, ApplyScope::kChanges), kApplyFailDpi);
             m.mouse.ClearFaults();
         }},
        {"a report of the last pass was left pending",
         [](Mouse& m, SettingsState& s) {
             m.mouse.LeaveOutputPending(true);
             s.profile.nDpiValue[0] = 12;
             ASSERT_EQ(m.Pass(s, ApplyScope::kChanges), std::nullopt);
             m.mouse.LeaveOutputPending(false);
         }},
        {"someone forgot it", [](Mouse& m, SettingsState&) { m.shared.completedPass.Forget(); }},
    };
    Mouse reference;
    ASSERT_TRUE(reference.driver.OpenDevice());
    ASSERT_EQ(reference.Pass(*settings, ApplyScope::kWhole), std::nullopt);
    const Pauses wholePauses = reference.clock.Pauses();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Mouse m;
        ASSERT_TRUE(m.driver.OpenDevice());
        settings = Base();
        if (c.happen) {
            ASSERT_EQ(m.Pass(*settings, ApplyScope::kWhole), std::nullopt);
            c.happen(m, *settings);
        }
        settings = Base();
        ASSERT_EQ(m.Pass(*settings, ApplyScope::kChanges), std::nullopt);
        EXPECT_EQ(m.Commands(), kWholePass);
        EXPECT_EQ(m.clock.Pauses(), wholePauses);
    }
}

}  // namespace
}  // namespace oryn7px
