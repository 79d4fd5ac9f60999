// Whole apply passes against the in-process virtual mouse on the real clock, beside the floor:
// the sum of the pauses the protocol demands, counted by running the same pass on virtual time.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

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

}  // namespace
}  // namespace oryn7px

int main() {
    oryn7px::Measure("default profile", 0);
    oryn7px::Measure("four macro buttons", 4);
}
