// Which profile a program chooses, and the edits of the rules.
#include "core/app/program_rules.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

ProgramRules Rules() {
    ProgramRules rules;
    rules.enabled = true;
    rules.defaultProfile = 1;
    rules.programs[1] = {"game.exe", "steam_app_730"};
    rules.programs[2] = {"firefox", "Game.exe"};
    rules.programs[4] = {"org.kde.dolphin"};
    return rules;
}

TEST(ProgramRules, TheNameShownIsTheOneTheProfileListsItBy) {
    const ProgramRules rules = Rules();
    const ForegroundProgram byClass{"hl2_linux", "Steam_App_730", 0, ""};
    EXPECT_EQ(NameInRules(rules, 2, byClass), "steam_app_730");
    EXPECT_EQ(NameInRules(rules, 2, {"GAME.EXE", "", 0, ""}), "game.exe");
    // A profile that does not list it (the default's programs): its executable, else its class.
    EXPECT_EQ(NameInRules(rules, 1, byClass), "hl2_linux");
    EXPECT_EQ(NameInRules(rules, 1, {"", "org.kde.kate", 0, ""}), "org.kde.kate");
    EXPECT_EQ(NameInRules(rules, 0, byClass), "hl2_linux");
}

TEST(ProgramRules, FirstMatchInProfileOrderElseTheDefault) {
    const struct {
        ForegroundProgram program;
        int profile;
    } cases[] = {
        {{"game.exe", "", 10, "Game"}, 2},
        {{"GAME.EXE", "", 0, ""}, 2},  // Wine shows the name as it was started
        {{"Game.exe", "", 0, ""}, 2},  // listed under 3 as well: profile 2 comes first
        {{"", "steam_app_730", 0, ""}, 2},
        {{"hl2_linux", "steam_app_730", 0, ""}, 2},  // by its class when its file name is not listed
        {{"firefox-bin", "Firefox", 0, ""}, 3},     // X11 classes are capitalised
        {{"", "org.kde.dolphin", 0, ""}, 5},         // a Wayland app id
        {{"dolphin", "", 0, "org.kde.dolphin"}, 1},  // the title is never matched
        {{"game", "", 0, ""}, 1},                     // no matching by part of a name
        {{"", "", 0, ""}, 1},
        {{"ｇame.exe", "", 0, ""}, 1},  // only ASCII letters fold
    };
    const ProgramRules rules = Rules();
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileFor(rules, c.program), c.profile) << c.program.executable << " / " << c.program.windowClass;
    }
    ProgramRules otherDefault = rules;
    otherDefault.defaultProfile = 4;
    EXPECT_EQ(ProfileFor(otherDefault, {"bash", "xterm", 0, ""}), 4);
}

TEST(ProgramRules, ShownNameIsTheExecutableElseTheClass) {
    EXPECT_EQ(ShownName({"game.exe", "steam_app_1", 0, "Game"}), "game.exe");
    EXPECT_EQ(ShownName({"", "org.kde.dolphin", 0, "Home"}), "org.kde.dolphin");
}

TEST(ProgramRules, AProgramChoosesOneProfile) {
    ProgramRules rules = Rules();
    AddedProgram added = AddProgram(rules, 4, "GAME.exe");
    EXPECT_TRUE(added.added);
    EXPECT_EQ(added.movedFrom, 3);  // the last listing it had; profile 2's is gone as well
    EXPECT_EQ(rules.programs[1], (std::vector<std::string>{"steam_app_730"}));
    EXPECT_EQ(rules.programs[2], (std::vector<std::string>{"firefox"}));
    EXPECT_EQ(rules.programs[3], (std::vector<std::string>{"GAME.exe"}));

    added = AddProgram(rules, 4, "game.exe");
    EXPECT_FALSE(added.added);
    EXPECT_FALSE(added.movedFrom);
    EXPECT_EQ(rules.programs[3], (std::vector<std::string>{"GAME.exe"}));

    EXPECT_TRUE(RemoveProgram(rules, 4, "Game.Exe"));
    EXPECT_TRUE(rules.programs[3].empty());
    EXPECT_FALSE(RemoveProgram(rules, 4, "game.exe"));
    EXPECT_FALSE(RemoveProgram(rules, 1, "firefox"));  // listed under another profile
}

TEST(ProgramRules, NamesThatCannotBeProgramNames) {
    EXPECT_FALSE(ProgramNameProblem("game.exe"));
    EXPECT_FALSE(ProgramNameProblem("Spiel für zwei.exe"));
    EXPECT_FALSE(ProgramNameProblem(std::string(kMaxProgramNameBytes, 'a')));
    for (const std::string& name : {std::string(), std::string(kMaxProgramNameBytes + 1, 'a'), std::string("\xFF.exe"),
                                   std::string(" game"), std::string("game\t"), std::string("/usr/bin/game"),
                                   std::string("a\nb"), std::string("a\x7F"), std::string("a\xC2\x9B" "b"),
                                   std::string("a\0b", 3)}) {
        EXPECT_TRUE(ProgramNameProblem(name)) << name;
    }
}

}  // namespace
}  // namespace oryn7px
