#include "core/app/profile_follower.h"

#include <utility>

namespace oryn7px {

ProfileFollower::ProfileFollower(SwitchTo switchTo, int profileInUse, uint32_t ownPid)
    : switchTo_(std::move(switchTo)), profileInUse_(profileInUse), ownPid_(ownPid) {}

void ProfileFollower::ProgramInFront(const ForegroundProgram& program) {
    ownInFront_ = ownPid_ != 0 && program.pid == ownPid_;
    if (ownInFront_) return;
    if (inFront_ != program) refused_.reset();
    inFront_ = program;
    Follow();
}

// A profile chosen by hand stays until another program comes to the front.
void ProfileFollower::ProfileInUse(int profile) {
    profileInUse_ = profile;
    refused_.reset();
}

void ProfileFollower::PassStarted() { passRunning_ = true; }

void ProfileFollower::PassEnded() {
    passRunning_ = false;
    Follow();
}

void ProfileFollower::OwnWindowFocused(bool focused) {
    ownWindowFocused_ = focused;
    Follow();
}

void ProfileFollower::RecordingMacro(bool recording) {
    recording_ = recording;
    Follow();
}

void ProfileFollower::RulesChanged(const ProgramRules& rules) {
    rules_ = rules;
    refused_.reset();
    Follow();
}

void ProfileFollower::SetEnabled(bool enabled) {
    rules_.enabled = enabled;
    refused_.reset();
    Follow();
}

bool ProfileFollower::HeldBack() const {
    return !rules_.enabled || ownWindowFocused_ || ownInFront_ || recording_ || passRunning_;
}

void ProfileFollower::Follow() {
    if (HeldBack() || !inFront_) return;
    const int wanted = ProfileFor(rules_, *inFront_);
    if (wanted == profileInUse_ || wanted == refused_) return;
    if (!switchTo_(wanted, *inFront_)) {
        refused_ = wanted;
        return;
    }
    profileInUse_ = wanted;
    passRunning_ = true;
}

}  // namespace oryn7px
