#include "core/app/program_rules.h"

#include <algorithm>

#include "core/base/ascii_text.h"
#include "core/base/utf16.h"

namespace oryn7px {

namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string>& ProgramsOf(ProgramRules& rules, int profile) {
    return rules.programs[static_cast<std::size_t>(profile - 1)];
}

bool Erase(std::vector<std::string>& names, std::string_view name) {
    const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& n) { return SameProgramName(n, name); });
    if (found == names.end()) return false;
    names.erase(found);
    return true;
}

}  // namespace

bool IsProfileNumber(int profile) { return profile >= 1 && profile <= kProfileCount; }

bool SameProgramName(std::string_view a, std::string_view b) { return EqualsIgnoringAsciiCase(a, b); }

bool NamesProgram(std::string_view name, const ForegroundProgram& program) {
    return (!program.executable.empty() && SameProgramName(name, program.executable)) ||
           (!program.windowClass.empty() && SameProgramName(name, program.windowClass));
}

int ProfileFor(const ProgramRules& rules, const ForegroundProgram& program) {
    for (int k = 0; k < kProfileCount; ++k) {
        const auto& names = rules.programs[static_cast<std::size_t>(k)];
        if (std::any_of(names.begin(), names.end(), [&](const std::string& n) { return NamesProgram(n, program); })) {
            return k + 1;
        }
    }
    return rules.defaultProfile;
}

std::string ShownName(const ForegroundProgram& program) {
    return program.executable.empty() ? program.windowClass : program.executable;
}

std::string NameInRules(const ProgramRules& rules, int profile, const ForegroundProgram& program) {
    if (IsProfileNumber(profile)) {
        for (const std::string& name : rules.programs[static_cast<std::size_t>(profile - 1)]) {
            if (NamesProgram(name, program)) return name;
        }
    }
    return ShownName(program);
}

std::optional<std::string> ProgramNameProblem(std::string_view name) {
    if (name.empty()) return "the program name is empty";
    if (name.size() > kMaxProgramNameBytes) return "the program name is longer than 255 bytes";
    if (!IsValidUtf8(name)) return "the program name is not UTF-8 text";
    if (IsSpace(name.front()) || IsSpace(name.back())) return "the program name begins or ends with a space";
    if (name.find('/') != std::string_view::npos) {
        return "the program name holds a '/': give the executable's file name or the window class, not a path";
    }
    const std::u16string units = Utf8ToUtf16(name);
    if (std::any_of(units.begin(), units.end(), [](char16_t u) { return IsControl(u); })) {
        return "the program name holds a control character";
    }
    return std::nullopt;
}

AddedProgram AddProgram(ProgramRules& rules, int profile, std::string_view name) {
    AddedProgram result;
    for (int k = 1; k <= kProfileCount; ++k) {
        if (k == profile) continue;
        if (Erase(ProgramsOf(rules, k), name)) result.movedFrom = k;
    }
    auto& names = ProgramsOf(rules, profile);
    const bool listed = std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameProgramName(n, name); });
    if (!listed) names.emplace_back(name);
    result.added = !listed;
    return result;
}

bool RemoveProgram(ProgramRules& rules, int profile, std::string_view name) {
    return Erase(ProgramsOf(rules, profile), name);
}

}  // namespace oryn7px
