#pragma once
// When the profile follows the program in front: the switching rules as a state machine that
// owns no thread and no timer. The main window feeds it what happens, on its own thread, and it
// answers with switchTo when another profile is due and nothing holds the switch back:
//
//   - following is off (the rules file, or the tray's item);
//   - the window's own pages have the focus, or our own program is the one in front;
//   - a macro is being recorded;
//   - a pass is writing to the mouse: the switch waits for its end, and of several programs
//     that came to the front meanwhile the last one decides.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/app/program_rules.h"
#include "core/interfaces/foreground_tracker.h"

namespace oryn7px {

class ProfileFollower {
public:
    // Loads `profile` as its button does and asks the worker for a pass of what differs; the
    // main window shows the hint. True when the pass was asked for (its end comes as PassEnded);
    // false when it was not, and the follower does not try that profile again until the program
    // in front, the rules or the profile in use change.
    using SwitchTo = std::function<bool(int profile, const ForegroundProgram& program)>;

    // `ownPid`: our own process, whose windows never choose a profile (0 when unknown).
    ProfileFollower(SwitchTo switchTo, int profileInUse, uint32_t ownPid);

    void ProgramInFront(const ForegroundProgram& program);
    // The profile the window shows, changed by anything but this follower (a profile button, an
    // import, restoring the defaults).
    void ProfileInUse(int profile);
    // A pass started by anything but this follower (the Apply button).
    void PassStarted();
    // Whatever its outcome: a failed pass is not tried again, and the next one writes everything.
    void PassEnded();
    void OwnWindowFocused(bool focused);
    void RecordingMacro(bool recording);
    void RulesChanged(const ProgramRules& rules);
    // The tray's "Follow programs"; the caller keeps it in the rules file too.
    void SetEnabled(bool enabled);

    bool Enabled() const { return rules_.enabled; }
    const ProgramRules& Rules() const { return rules_; }
    int ProfileShown() const { return profileInUse_; }

private:
    bool HeldBack() const;
    // Switches when a profile is due and nothing holds it back.
    void Follow();

    SwitchTo switchTo_;
    ProgramRules rules_;
    int profileInUse_;
    uint32_t ownPid_;
    std::optional<ForegroundProgram> inFront_;  // the last program in front that is not ours
    bool ownInFront_ = false;
    bool ownWindowFocused_ = false;
    bool recording_ = false;
    bool passRunning_ = false;
    std::optional<int> refused_;  // the profile switchTo last declined
};

}  // namespace oryn7px
