#pragma once
// What the dialog "Programs for profile N" offers and what its OK changes: the programs the
// profile lists (ticked), then the programs with windows now that it does not list (not ticked),
// each name once; whether the profile is the default for every other program; and whether
// profiles follow programs at all. OK writes only what the user changed, onto the rules as the
// file holds them then, so a change made meanwhile (the command line) is kept.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/app/program_rules.h"
#include "core/interfaces/foreground_tracker.h"

namespace oryn7px {

struct ProgramChoice {
    std::string name;
    bool ticked = false;
    bool listedAtOpen = false;  // the profile listed it when the dialog opened
};

class ProgramsForProfile {
public:
    // `ownPid`: our own process, whose windows are never offered (0 when unknown).
    ProgramsForProfile(const ProgramRules& rules, int profile, const std::vector<ForegroundProgram>& withWindows,
                       uint32_t ownPid);

    int Profile() const { return profile_; }
    const std::vector<ProgramChoice>& Programs() const { return programs_; }
    void Tick(std::size_t index, bool ticked);
    // A name typed by the user: ticked where the list holds it already, else added ticked at the
    // end. The index of its row, or why it cannot name a program.
    std::variant<std::size_t, std::string> Add(std::string_view typed);

    // A profile stops being the default only when another one becomes it.
    bool IsDefault() const { return isDefault_; }
    bool CanChangeDefault() const { return !wasDefault_; }
    void SetDefault(bool isDefault);

    bool Following() const { return following_; }
    void SetFollowing(bool following) { following_ = following; }

    bool Changed() const;
    // The user's changes, onto `rules`.
    void ApplyTo(ProgramRules& rules) const;

private:
    std::optional<std::size_t> Find(std::string_view name) const;

    int profile_;
    std::vector<ProgramChoice> programs_;
    bool wasDefault_;
    bool isDefault_;
    bool wasFollowing_;
    bool following_;
};

}  // namespace oryn7px
