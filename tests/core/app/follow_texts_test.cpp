// The hint after a switch and the words for a damaged rules file.
#include "core/app/follow_texts.h"

#include <gtest/gtest.h>

#include "core/base/utf16.h"
#include "core/i18n/caption_keys.h"

namespace oryn7px {
namespace {

using Kind = RulesFileProblem::Kind;

TEST(FollowTexts, TheHintNamesTheProfileAndTheProgram) {
    const std::u16string english(CaptionKeyOf(CaptionId::ProfileForProgram).english);
    EXPECT_EQ(FollowedProfileHint(english, 2, u"game.exe"), u"Profile 2 (for game.exe)");
    EXPECT_EQ(FollowedProfileHint(u"配置 %1（用于 %2）", 5, u"firefox"), u"配置 5（用于 firefox）");
    EXPECT_EQ(FollowedProfileHint(u"프로필 %1 (%2용)", 1, u"steam_app_730"), u"프로필 1 (steam_app_730용)");
    // A program's name is shown as it is, placeholders and all.
    EXPECT_EQ(FollowedProfileHint(english, 3, u"%1%2.exe"), u"Profile 3 (for %1%2.exe)");
}

TEST(FollowTexts, ADamagedFileIsToldWithItsReasonAndWhatItMeans) {
    const std::filesystem::path path = "/home/ana/.local/share/TAVIK/ORYN7PX/ProgramRules.ini";
    EXPECT_EQ(RulesFileProblemText({Kind::kBadSwitch, 3, "yes"}, path, false),
              u"The program rules in /home/ana/.local/share/TAVIK/ORYN7PX/ProgramRules.ini are not used: line 3: "
              u"Enabled must be 0 or 1, not \"yes\". Until the file is mended or replaced, no program chooses a "
              u"profile.");
    EXPECT_EQ(RulesFileProblemText({Kind::kUnknownVersion, 2, "7"}, path, true),
              u"/home/ana/.local/share/TAVIK/ORYN7PX/ProgramRules.ini中的程序规则未被使用：第 2 行的版本是“7”，"
              u"本程序只能读取版本 1。在修复或替换该文件之前，程序不会切换配置。");
    // Every reason has its words in both languages.
    for (int kind = 0; kind <= static_cast<int>(Kind::kUnknownVersion); ++kind) {
        for (const bool chinese : {false, true}) {
            const std::u16string text = RulesFileProblemText({static_cast<Kind>(kind), 4, "x"}, path, chinese);
            EXPECT_NE(text.find(chinese ? u"未被使用：" : u"are not used: "), std::u16string::npos);
            EXPECT_EQ(text.find(chinese ? u"未被使用：。" : u"are not used: ."), std::u16string::npos) << kind;
        }
    }
    EXPECT_EQ(DamagedRulesKeptText("/d/ProgramRules.ini.invalid", false),
              u"The damaged program rules were kept as /d/ProgramRules.ini.invalid.");
}

TEST(FollowTexts, FailuresAreToldInOneLineWithTheirReason) {
    EXPECT_EQ(FollowingFailedText("no X11 display (DISPLAY is not set)", false),
              u"Profiles do not follow the program in front: no X11 display (DISPLAY is not set).");
    EXPECT_EQ(FollowingFailedText("no _NET_ACTIVE_WINDOW", true), u"配置不会随前台程序切换：no _NET_ACTIVE_WINDOW。");
    EXPECT_EQ(RulesNotSavedText("No space left on device", false),
              u"The program rules could not be saved: No space left on device.");
    // The box's line feed does not go into the hint bar.
    EXPECT_EQ(FollowedPassFailedText(u"Profile 2 (for game.exe)", u"Write mouse LED color failed.\n"),
              u"Profile 2 (for game.exe): Write mouse LED color failed.");
}

}  // namespace
}  // namespace oryn7px
