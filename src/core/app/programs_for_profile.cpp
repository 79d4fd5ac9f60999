#include "core/app/programs_for_profile.h"

#include <algorithm>

namespace oryn7px {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool BeforeIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

std::string_view Trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

// A program is offered by its executable's name, unless another program with windows runs the
// same executable (an interpreter: java, python3, a symbolic link's target): then by its class.
std::string OfferedName(const ForegroundProgram& program, const std::vector<ForegroundProgram>& withWindows) {
    const bool sharedExecutable = std::any_of(withWindows.begin(), withWindows.end(), [&](const ForegroundProgram& other) {
        return SameProgramName(other.executable, program.executable) && !SameProgramName(other.windowClass, program.windowClass);
    });
    return sharedExecutable && !program.windowClass.empty() ? program.windowClass : ShownName(program);
}

}  // namespace

ProgramsForProfile::ProgramsForProfile(const ProgramRules& rules, int profile,
                                       const std::vector<ForegroundProgram>& withWindows, uint32_t ownPid)
    : profile_(profile),
      wasDefault_(rules.defaultProfile == profile),
      isDefault_(wasDefault_),
      wasFollowing_(rules.enabled),
      following_(rules.enabled) {
    const std::vector<std::string>& listed = rules.programs[static_cast<std::size_t>(profile - 1)];
    for (const std::string& name : listed) programs_.push_back({name, true, true});
    std::vector<std::string> others;
    for (const ForegroundProgram& program : withWindows) {
        if (ownPid != 0 && program.pid == ownPid) continue;
        // A listed name may be the window's class rather than its executable: the row is there.
        if (std::any_of(listed.begin(), listed.end(), [&](const std::string& n) { return NamesProgram(n, program); })) {
            continue;
        }
        const std::string name = OfferedName(program, withWindows);
        if (name.empty() || std::any_of(others.begin(), others.end(), [&](const std::string& o) {
                return SameProgramName(o, name);
            })) {
            continue;
        }
        others.push_back(name);
    }
    std::sort(others.begin(), others.end(), BeforeIgnoringCase);
    for (std::string& name : others) programs_.push_back({std::move(name), false, false});
}

void ProgramsForProfile::Tick(std::size_t index, bool ticked) {
    if (index < programs_.size()) programs_[index].ticked = ticked;
}

std::variant<std::size_t, std::string> ProgramsForProfile::Add(std::string_view typed) {
    const std::string_view name = Trimmed(typed);
    if (const std::optional<std::string> problem = ProgramNameProblem(name)) return *problem;
    if (const std::optional<std::size_t> row = Find(name)) {
        programs_[*row].ticked = true;
        return *row;
    }
    programs_.push_back({std::string(name), true, false});
    return programs_.size() - 1;
}

void ProgramsForProfile::SetDefault(bool isDefault) {
    if (CanChangeDefault()) isDefault_ = isDefault;
}

bool ProgramsForProfile::Changed() const {
    return isDefault_ != wasDefault_ || following_ != wasFollowing_ ||
           std::any_of(programs_.begin(), programs_.end(), [](const ProgramChoice& c) { return c.ticked != c.listedAtOpen; });
}

void ProgramsForProfile::ApplyTo(ProgramRules& rules) const {
    for (const ProgramChoice& choice : programs_) {
        if (choice.ticked && !choice.listedAtOpen) AddProgram(rules, profile_, choice.name);
        if (!choice.ticked && choice.listedAtOpen) RemoveProgram(rules, profile_, choice.name);
    }
    if (isDefault_ && !wasDefault_) rules.defaultProfile = profile_;
    if (following_ != wasFollowing_) rules.enabled = following_;
}

std::optional<std::size_t> ProgramsForProfile::Find(std::string_view name) const {
    for (std::size_t i = 0; i < programs_.size(); ++i) {
        if (SameProgramName(programs_[i].name, name)) return i;
    }
    return std::nullopt;
}

}  // namespace oryn7px
