#pragma once
// The texts of profiles that follow the program in front: the hint after a switch and what a
// damaged rules file is told with, in Simplified Chinese and English.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/app/program_rules_text.h"

namespace oryn7px {

// The hint bar's "Profile 2 (for game.exe)": `format` is the loaded language's caption
// (CaptionId::ProfileForProgram), its %1 the profile number and %2 the program's name.
std::u16string FollowedProfileHint(std::u16string_view format, int profile, std::u16string_view program);

// Which file is not used, why, and what that means for the user.
std::u16string RulesFileProblemText(const RulesFileProblem& problem, const std::filesystem::path& path, bool chinese);

// An edit replaced a damaged rules file after keeping its bytes under `kept`.
std::u16string DamagedRulesKeptText(const std::filesystem::path& kept, bool chinese);

// The rules the user chose could not be written; `why` is the system's reason.
std::u16string RulesNotSavedText(std::string_view why, bool chinese);

// The desktop's tracker did not start; `why` says what is missing.
std::u16string FollowingFailedText(std::string_view why, bool chinese);

// An automatic switch's pass failed: the hint it showed, then the pass's message, on one line.
std::u16string FollowedPassFailedText(std::u16string_view hint, std::u16string_view failure);

}  // namespace oryn7px
