// The choice the dialog "Programs for profile N" offers, and what its OK changes.
#include "core/app/programs_for_profile.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace oryn7px {
namespace {

constexpr uint32_t kOwnPid = 77;

struct Row {
    std::string name;
    bool ticked;
    bool operator==(const Row&) const = default;
};

std::vector<Row> Rows(const ProgramsForProfile& choice) {
    std::vector<Row> rows;
    for (const ProgramChoice& c : choice.Programs()) rows.push_back({c.name, c.ticked});
    return rows;
}

ProgramRules SomeRules() {
    ProgramRules rules;
    rules.enabled = true;
    rules.programs[1] = {"game.exe", "Steam_app_730"};
    rules.programs[2] = {"shooter"};
    return rules;
}

TEST(ProgramsForProfile, ListedProgramsFirstThenOtherWindowsOnceEachByNameWithoutOurOwn) {
    const std::vector<ForegroundProgram> windows{
        {"zeal", "Zeal", 5, "docs"},
        {"firefox-esr", "firefox-esr", 6, "one"},
        {"Firefox-ESR", "firefox-esr", 7, "another window of the same program"},
        {"hl2_linux", "steam_app_730", 8, "listed by its class"},
        {"", "org.kde.kate", 0, "Wayland: only the app id"},
        {"oryn7px", "oryn7px", kOwnPid, "our own window"},
        {"shooter", "Shooter", 9, "listed by another profile"},
        {"", "", 10, "nothing to name it by"},
    };
    const ProgramsForProfile choice(SomeRules(), 2, windows, kOwnPid);
    EXPECT_EQ(Rows(choice), (std::vector<Row>{{"game.exe", true},
                                              {"Steam_app_730", true},
                                              {"firefox-esr", false},
                                              {"org.kde.kate", false},
                                              {"shooter", false},
                                              {"zeal", false}}));
    EXPECT_FALSE(choice.Changed());
}

TEST(ProgramsForProfile, ProgramsOfOneExecutableAreOfferedByTheirClasses) {
    const std::vector<ForegroundProgram> windows{
        {"java", "jetbrains-idea", 5, "IDE"},
        {"java", "Minecraft", 6, "game"},
        {"python3.11", "", 7, "a script without a class"},
        {"python3.11", "Meld", 8, "diff"},
    };
    const ProgramsForProfile choice(ProgramRules{}, 2, windows, kOwnPid);
    EXPECT_EQ(Rows(choice), (std::vector<Row>{{"jetbrains-idea", false},
                                              {"Meld", false},
                                              {"Minecraft", false},
                                              {"python3.11", false}}));
}

TEST(ProgramsForProfile, OkWritesOnlyTheChangesOntoTheRulesOfTheFile) {
    ProgramsForProfile choice(SomeRules(), 2, {{"shooter", "Shooter", 9, ""}, {"zeal", "Zeal", 5, ""}}, kOwnPid);
    choice.Tick(0, false);  // game.exe
    choice.Tick(2, true);   // shooter, from profile 3
    ASSERT_TRUE(choice.Changed());

    // Meanwhile the command line listed another program under profile 2 and turned following off.
    ProgramRules file = SomeRules();
    file.programs[1].push_back("added.exe");
    file.enabled = false;
    choice.ApplyTo(file);
    EXPECT_EQ(file.programs[1], (std::vector<std::string>{"Steam_app_730", "added.exe", "shooter"}));
    EXPECT_TRUE(file.programs[2].empty());
    EXPECT_FALSE(file.enabled);  // the dialog's box was not touched
    EXPECT_EQ(file.defaultProfile, 1);
}

TEST(ProgramsForProfile, TypedNamesAreTrimmedCheckedAndTickedOnce) {
    ProgramsForProfile choice(SomeRules(), 2, {{"zeal", "Zeal", 5, ""}}, kOwnPid);
    struct Case {
        std::string typed;
        std::variant<std::size_t, std::string> expected;
    };
    const std::vector<Case> cases{
        {"  wine-game.exe ", std::size_t{3}},
        {"ZEAL", std::size_t{2}},            // the window's row, now ticked
        {"WINE-GAME.EXE", std::size_t{3}},   // once
        {"", std::string("the program name is empty")},
        {"/usr/bin/zeal", std::string("the program name holds a '/': give the executable's file name or the window "
                                      "class, not a path")},
    };
    for (const Case& c : cases) EXPECT_EQ(choice.Add(c.typed), c.expected) << c.typed;
    EXPECT_EQ(Rows(choice), (std::vector<Row>{{"game.exe", true}, {"Steam_app_730", true}, {"zeal", true},
                                              {"wine-game.exe", true}}));
    ProgramRules file = SomeRules();
    choice.ApplyTo(file);
    EXPECT_EQ(file.programs[1], (std::vector<std::string>{"game.exe", "Steam_app_730", "zeal", "wine-game.exe"}));
}

TEST(ProgramsForProfile, TheDefaultMovesOnlyToAnotherProfileAndFollowingIsWrittenWhenChanged) {
    ProgramsForProfile first(SomeRules(), 1, {}, kOwnPid);
    EXPECT_TRUE(first.IsDefault());
    EXPECT_FALSE(first.CanChangeDefault());
    first.SetDefault(false);
    EXPECT_TRUE(first.IsDefault());
    EXPECT_FALSE(first.Changed());

    ProgramsForProfile fourth(SomeRules(), 4, {}, kOwnPid);
    EXPECT_FALSE(fourth.IsDefault());
    fourth.SetDefault(true);
    fourth.SetFollowing(false);
    ProgramRules file = SomeRules();
    fourth.ApplyTo(file);
    EXPECT_EQ(file.defaultProfile, 4);
    EXPECT_FALSE(file.enabled);
}

}  // namespace
}  // namespace oryn7px
