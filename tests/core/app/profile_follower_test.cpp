// When the profile follows the program in front, and what holds a switch back.
#include "core/app/profile_follower.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace oryn7px {
namespace {

constexpr uint32_t kOwnPid = 4242;
const ForegroundProgram kGame{"game.exe", "steam_app_730", 100, "Game"};
const ForegroundProgram kShooter{"shooter", "Shooter", 101, "Shooter"};
const ForegroundProgram kEditor{"kate", "org.kde.kate", 102, "notes"};
const ForegroundProgram kOwnWindow{"oryn7px", "oryn7px", kOwnPid, "Tavik ORYN7PX Gaming Mouse Driver"};

class ProfileFollowerTest : public ::testing::Test {
protected:
    ProfileFollowerTest() {
        rules.enabled = true;
        rules.programs[1] = {"game.exe"};
        rules.programs[2] = {"shooter"};
        follower.RulesChanged(rules);
    }

    bool SwitchTo(int profile, const ForegroundProgram& program) {
        switches.push_back(std::to_string(profile) + " for " + program.executable);
        return accept;
    }
    std::vector<std::string> Take() { return std::exchange(switches, {}); }

    ProgramRules rules;
    std::vector<std::string> switches;
    bool accept = true;
    ProfileFollower follower{[this](int p, const ForegroundProgram& f) { return SwitchTo(p, f); }, 1, kOwnPid};
};

TEST_F(ProfileFollowerTest, SwitchesWhenAnotherProfileIsDue) {
    follower.ProgramInFront(kEditor);  // the default, already in use
    EXPECT_TRUE(Take().empty());
    follower.ProgramInFront(kGame);
    EXPECT_EQ(Take(), std::vector<std::string>{"2 for game.exe"});
    EXPECT_EQ(follower.ProfileShown(), 2);
    follower.PassEnded();
    follower.ProgramInFront(kGame);  // the same program again: nothing is due
    follower.ProgramInFront(kEditor);
    EXPECT_EQ(Take(), std::vector<std::string>{"1 for kate"});
}

// While a pass writes, programs come and go; when it ends, the last one decides, once.
TEST_F(ProfileFollowerTest, ASwitchWaitsForThePassAndTheLastWantedProfileWins) {
    follower.ProgramInFront(kGame);
    EXPECT_EQ(Take(), std::vector<std::string>{"2 for game.exe"});
    follower.ProgramInFront(kShooter);
    follower.ProgramInFront(kEditor);
    follower.ProgramInFront(kShooter);
    EXPECT_TRUE(Take().empty());
    follower.PassEnded();
    EXPECT_EQ(Take(), std::vector<std::string>{"3 for shooter"});
    // Gone and back before the pass ended: nothing to write.
    follower.ProgramInFront(kEditor);
    follower.ProgramInFront(kShooter);
    follower.PassEnded();
    EXPECT_TRUE(Take().empty());
    // A pass of the Apply button holds switches back as well.
    follower.PassStarted();
    follower.ProgramInFront(kEditor);
    EXPECT_TRUE(Take().empty());
    follower.PassEnded();
    EXPECT_EQ(Take(), std::vector<std::string>{"1 for kate"});
}

TEST_F(ProfileFollowerTest, NothingSwitchesWhileSomethingHoldsItBack) {
    struct Hold {
        const char* what;
        std::function<void(ProfileFollower&, bool)> set;
    };
    const Hold holds[] = {
        {"own pages focused", [](ProfileFollower& f, bool on) { f.OwnWindowFocused(on); }},
        {"recording a macro", [](ProfileFollower& f, bool on) { f.RecordingMacro(on); }},
        {"following off", [](ProfileFollower& f, bool on) { f.SetEnabled(!on); }},
    };
    for (const Hold& hold : holds) {
        SCOPED_TRACE(hold.what);
        ProfileFollower f{[this](int p, const ForegroundProgram& g) { return SwitchTo(p, g); }, 1, kOwnPid};
        f.RulesChanged(rules);
        hold.set(f, true);
        f.ProgramInFront(kGame);
        f.ProgramInFront(kShooter);
        EXPECT_TRUE(Take().empty());
        hold.set(f, false);  // let go: the program in front now decides
        EXPECT_EQ(Take(), std::vector<std::string>{"3 for shooter"});
    }
}

TEST_F(ProfileFollowerTest, OurOwnWindowInFrontChoosesNothing) {
    follower.ProgramInFront(kGame);
    follower.PassEnded();
    Take();
    // Reported before the window's own focus change arrives: the game's profile stays.
    follower.ProgramInFront(kOwnWindow);
    EXPECT_TRUE(Take().empty());
    follower.ProfileInUse(3);  // a profile button
    follower.ProgramInFront(kGame);
    EXPECT_EQ(Take(), std::vector<std::string>{"2 for game.exe"});
}

TEST_F(ProfileFollowerTest, ChangedRulesApplyToTheProgramInFront) {
    follower.ProgramInFront(kEditor);
    ProgramRules changed = rules;
    changed.programs[4] = {"org.kde.kate"};
    follower.RulesChanged(changed);
    EXPECT_EQ(Take(), std::vector<std::string>{"5 for kate"});
    follower.PassEnded();
    changed.enabled = false;
    follower.RulesChanged(changed);
    follower.ProgramInFront(kGame);
    EXPECT_TRUE(Take().empty());
    EXPECT_FALSE(follower.Enabled());
}

// A switch the window could not make (the profile's file cannot be read) is not tried again and
// again; another program, other rules or another profile in use try anew.
TEST_F(ProfileFollowerTest, ADeclinedSwitchIsNotRepeated) {
    accept = false;
    follower.ProgramInFront(kGame);
    EXPECT_EQ(Take(), std::vector<std::string>{"2 for game.exe"});
    EXPECT_EQ(follower.ProfileShown(), 1);
    follower.ProgramInFront(kGame);
    follower.OwnWindowFocused(false);
    follower.RecordingMacro(false);
    EXPECT_TRUE(Take().empty());
    accept = true;
    follower.ProgramInFront(kEditor);
    follower.ProgramInFront(kGame);
    EXPECT_EQ(Take(), std::vector<std::string>{"2 for game.exe"});
}

}  // namespace
}  // namespace oryn7px
