#pragma once
// Which profile follows which program: per profile the programs that choose it, one default
// profile for every other program, and whether following is on. Profiles are numbered 1..5, as
// on their buttons.
//
// A program name is matched against the executable's file name and against the window class
// (the app id on Wayland), ignoring the case of ASCII letters. Linux file names are
// case-sensitive, but two programs whose names differ only in case are rare, while the same
// Windows game run under Wine or Proton shows up as "Game.exe" or "game.exe" depending on how it
// was started, and X11 classes are often capitalised ("Firefox" for "firefox").
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/interfaces/foreground_tracker.h"
#include "core/settings/file_records.h"

namespace oryn7px {

inline constexpr int kDefaultFollowedProfile = 1;
// A file name or a class is far shorter; anything longer is no program name.
inline constexpr std::size_t kMaxProgramNameBytes = 255;

struct ProgramRules {
    bool enabled = false;
    int defaultProfile = kDefaultFollowedProfile;
    // programs[k]: the names that choose profile k + 1, in the order they were added.
    std::array<std::vector<std::string>, kProfileCount> programs;

    bool operator==(const ProgramRules&) const = default;
};

bool IsProfileNumber(int profile);

// The same program name, ignoring the case of ASCII letters.
bool SameProgramName(std::string_view a, std::string_view b);
bool NamesProgram(std::string_view name, const ForegroundProgram& program);

// The profile of the first program name that matches, in profile order, else the default.
int ProfileFor(const ProgramRules& rules, const ForegroundProgram& program);

// The name people see for a program: its executable's, else its window class.
std::string ShownName(const ForegroundProgram& program);
// The name by which `profile` lists the program, as the user wrote it; its shown name where the
// profile does not list it (the default profile's programs).
std::string NameInRules(const ProgramRules& rules, int profile, const ForegroundProgram& program);

// Why `name` cannot be a program name, for people; nothing when it can. A name is a file name or
// a class: not empty, UTF-8, no path, no control character, no space at either end.
std::optional<std::string> ProgramNameProblem(std::string_view name);

struct AddedProgram {
    bool added = false;               // false: the profile lists it already
    std::optional<int> movedFrom;     // the profile that listed it before
};

// Lists `name` under `profile`; a program chooses one profile, so another profile's listing of
// the same name goes. The caller has checked the profile number and the name.
AddedProgram AddProgram(ProgramRules& rules, int profile, std::string_view name);
// False when `profile` does not list the name.
bool RemoveProgram(ProgramRules& rules, int profile, std::string_view name);

}  // namespace oryn7px
