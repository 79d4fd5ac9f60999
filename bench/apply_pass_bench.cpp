// Apply passes against the in-process virtual mouse on the real clock, beside the floor: the sum
// of the pauses the protocol demands, counted by running the same pass on virtual time. Whole
// passes, and automatic switches from the focus change to the mouse holding the new profile.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "core/app/profile_follower.h"
#include "core/device/apply_worker.h"
#include "core/device/usb_driver.h"
#include "core/interfaces/pointer_settings.h"
#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {
namespace {

class NoPointerSettings final : public PointerSettings {
public:
    bool SetEnhancePrecision(bool) override { return true; }
    bool SetPointerSpeed(int32_t) override { return true; }
    bool SetWheelLines(int32_t) override { return true; }
    PointerSupport Support() const override { return {true, true, true}; }
};

class NoTarget final : public MessageTarget {
public:
    void Post(const Message&) override {}
};

void AddMacroButtons(SettingsState& settings, int count) {
    for (int b = 0; b < count; ++b) {
        MacroEntry& entry = settings.MacroTable[static_cast<std::size_t>(b)];
        entry.dwSize = 4104 + 40 * 4;
        entry.dwMagic = kMacroMagic;
        entry.dwMacroId = 0x16000001u + static_cast<uint32_t>(b);
        entry.dwRepeat = 1;
        entry.dwEventCount = 40;
        for (uint32_t k = 0; k < 40; ++k) entry.dwEvents[k] = MakeEvent(k % 2 ? kEventKeyUp : kEventKeyDown, 0x41 + k / 2);
        const int button = 3 + b;  // forward, back, wheel up, wheel down
        settings.profile.Buttons[button].nFunction = kFunctionMacro;
        settings.profile.Buttons[button].nMacroId = entry.dwMacroId;
        settings.ButtonMacroId[button] = entry.dwMacroId;
    }
}

double PassMs(SettingsState& settings, Clock& clock) {
    VirtualMouse mouse(clock);
    CUSBDriver driver(mouse, clock);
    driver.OpenDevice();
    NoPointerSettings pointer;
    ApplyShared shared;
    NoTarget target;
    ApplyWorker worker({driver, pointer, clock, shared, target, target});
    auto snapshot = TakeApplySnapshot(settings);
    const auto start = std::chrono::steady_clock::now();
    worker.RunPass(std::move(snapshot));
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Measure(const char* name, int macroButtons) {
    auto settings = std::make_unique<SettingsState>();
    BuildDefaultProfile(settings->profile, false);
    AddMacroButtons(*settings, macroButtons);
    VirtualClock virtualClock;
    PassMs(*settings, virtualClock);
    const double floor = static_cast<double>(virtualClock.TotalPausedMs());
    RealClock realClock;
    const double wall = PassMs(*settings, realClock);
    std::printf("%-28s wall %9.1f ms  floor %7.0f ms  overhead %.2f %%\n", name, wall, floor,
                (wall - floor) / floor * 100.0);
}

// From the program coming to the front to the end of the pass that switched to `to`, on a mouse
// that holds `from`. `atFocus` runs just before the focus changes.
double SwitchMs(const SettingsState& from, const SettingsState& to, Clock& clock, const std::function<void()>& atFocus) {
    VirtualMouse mouse(clock);
    CUSBDriver driver(mouse, clock);
    driver.OpenDevice();
    NoPointerSettings pointer;
    ApplyShared shared;
    NoTarget target;
    ApplyWorker worker({driver, pointer, clock, shared, target, target});
    worker.RunPass(TakeApplySnapshot(from));
    std::unique_ptr<ApplySnapshot> request;
    ProfileFollower follower(
        [&](int, const ForegroundProgram&) {
            request = TakeApplySnapshot(to);
            request->scope = ApplyScope::kChanges;
            return true;
        },
        1, 0);
    ProgramRules rules;
    rules.enabled = true;
    rules.programs[1] = {"game.exe"};
    follower.RulesChanged(rules);
    atFocus();
    const auto start = std::chrono::steady_clock::now();
    follower.ProgramInFront({"game.exe", "", 0, ""});
    worker.RunPass(std::move(request));
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void MeasureSwitch(const char* name, const std::function<void(SettingsState&)>& change) {
    auto from = std::make_unique<SettingsState>();
    BuildDefaultProfile(from->profile, false);
    AddMacroButtons(*from, 2);
    auto to = std::make_unique<SettingsState>();
    *to = *from;
    change(*to);
    VirtualClock virtualClock;
    SwitchMs(*from, *to, virtualClock, [&] { virtualClock.ClearPauses(); });
    const double floor = static_cast<double>(virtualClock.TotalPausedMs());
    RealClock realClock;
    const double wall = SwitchMs(*from, *to, realClock, [] {});
    std::printf("%-28s wall %9.1f ms  floor %7.0f ms  ratio %.3f\n", name, wall, floor, wall / floor);
}

}  // namespace
}  // namespace oryn7px

int main() {
    using oryn7px::SettingsState;
    oryn7px::Measure("default profile", 0);
    oryn7px::Measure("four macro buttons", 4);
    oryn7px::Measure("two macro buttons", 2);
    oryn7px::MeasureSwitch("switch: DPI and lighting", [](SettingsState& s) {
        s.profile.nDpiValue[0] = 40;
        s.profile.nLightMode = 1;
    });
    oryn7px::MeasureSwitch("switch: one macro", [](SettingsState& s) {
        s.MacroTable[0].dwEvents[0] = oryn7px::MakeEvent(oryn7px::kEventKeyDown, 0x5A);
    });
}
