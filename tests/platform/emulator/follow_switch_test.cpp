// Programs come to the front while an automatic switch writes to the virtual mouse, on virtual
// time: the switch in progress finishes, the programs seen meanwhile coalesce into one more
// switch (the last one wins), and the mouse ends up holding that profile.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/profile_follower.h"
#include "core/device/apply_worker.h"
#include "core/device/usb_driver.h"
#include "fakes/recording_pointer_settings.h"
#include "fakes/recording_target.h"
#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {
namespace {

using testing::RecordingPointerSettings;
using testing::RecordingTarget;

// Virtual time that runs scripted events when a sleep reaches their moment: what the desktop
// does while the worker waits between reports.
class ScriptedClock final : public Clock {
public:
    void At(uint32_t tick, std::function<void()> event) { script_.push_back({tick, std::move(event)}); }

    void SleepMs(uint32_t milliseconds) override {
        clock_.SleepMs(milliseconds);
        while (!script_.empty() && script_.front().tick <= clock_.TickCount()) {
            const auto event = std::move(script_.front().event);
            script_.erase(script_.begin());
            event();
        }
    }
    uint32_t TickCount() override { return clock_.TickCount(); }
    bool ScriptDone() const { return script_.empty(); }

private:
    struct Scripted {
        uint32_t tick;
        std::function<void()> event;
    };
    VirtualClock clock_;
    std::vector<Scripted> script_;
};

const ForegroundProgram kGame{"game.exe", "", 100, "Game"};
const ForegroundProgram kShooter{"shooter", "", 101, "Shooter"};
const ForegroundProgram kEditor{"kate", "org.kde.kate", 102, "notes"};

class FollowSwitchTest : public ::testing::Test {
protected:
    FollowSwitchTest() {
        for (int profile = 1; profile <= kProfileCount; ++profile) {
            auto& settings = profiles[static_cast<std::size_t>(profile - 1)];
            settings = std::make_unique<SettingsState>();
            BuildDefaultProfile(settings->profile, false);
            settings->profile.nDpiValue[0] = 10 * profile;  // each profile has a DPI of its own
        }
        ProgramRules rules;
        rules.enabled = true;
        rules.programs[1] = {"game.exe"};
        rules.programs[2] = {"shooter"};
        follower.RulesChanged(rules);
    }

    // The main window's part: load the profile, ask for a pass of what differs.
    bool SwitchTo(int profile, const ForegroundProgram& program) {
        switches.push_back(std::to_string(profile) + " for " + program.executable + " at " +
                           std::to_string(clock.TickCount()));
        request = TakeApplySnapshot(*profiles[static_cast<std::size_t>(profile - 1)]);
        request->scope = ApplyScope::kChanges;
        return true;
    }

    // The worker's part: each requested pass runs, and its end reaches the follower.
    void RunRequestedPasses() {
        while (request) {
            ASSERT_EQ(worker.RunPass(std::move(request)), std::nullopt);
            follower.PassEnded();
        }
    }

    ScriptedClock clock;
    VirtualMouse mouse{clock, {.strictTiming = true}};
    CUSBDriver driver{mouse, clock};
    RecordingPointerSettings pointer;
    ApplyShared shared;
    RecordingTarget mainWindow;
    RecordingTarget progressWindow;
    ApplyWorker worker{{driver, pointer, clock, shared, mainWindow, progressWindow}};
    std::array<std::unique_ptr<SettingsState>, kProfileCount> profiles;
    std::vector<std::string> switches;
    std::unique_ptr<ApplySnapshot> request;
    ProfileFollower follower{[this](int p, const ForegroundProgram& f) { return SwitchTo(p, f); }, 1, 4242};
};

TEST_F(FollowSwitchTest, ProgramsSeenDuringAPassCoalesceIntoOneSwitch) {
    ASSERT_TRUE(driver.OpenDevice());
    ASSERT_EQ(worker.RunPass(TakeApplySnapshot(*profiles[0])), std::nullopt);  // the Apply button
    const uint32_t start = clock.TickCount();

    // The switch to the game's profile sends its DPI table: 100 ms. Meanwhile four more
    // programs come and go.
    clock.At(start + 10, [this] { follower.ProgramInFront(kEditor); });
    clock.At(start + 20, [this] { follower.ProgramInFront(kShooter); });
    clock.At(start + 50, [this] { follower.ProgramInFront(kEditor); });
    clock.At(start + 90, [this] { follower.ProgramInFront(kShooter); });
    follower.ProgramInFront(kGame);
    RunRequestedPasses();

    EXPECT_TRUE(clock.ScriptDone());
    EXPECT_EQ(switches, (std::vector<std::string>{"2 for game.exe at " + std::to_string(start),
                                                  "3 for shooter at " + std::to_string(start + 100)}));
    EXPECT_EQ(clock.TickCount(), start + 200);  // two DPI tables, nothing else
    const VirtualMouseState state = mouse.State();
    ASSERT_TRUE(state.dpiTable);
    EXPECT_EQ((*state.dpiTable)[0], 30);
    EXPECT_TRUE(state.violations.empty());
}

}  // namespace
}  // namespace oryn7px
