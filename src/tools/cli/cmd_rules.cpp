// rules: which programs choose which profile when they come to the front (ProgramRules.ini).
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>

#include "cli.h"
#include "core/app/follow_texts.h"
#include "core/app/program_rules_file.h"
#include "core/base/utf16.h"
#include "core/settings/data_files.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli rules [--json]\n"
    "       oryn7px-cli rules add PROFILE PROGRAM\n"
    "       oryn7px-cli rules remove PROFILE PROGRAM\n"
    "       oryn7px-cli rules default PROFILE\n"
    "       oryn7px-cli rules on|off\n\n"
    "Profiles that follow the program in front. Each profile (1 to 5) lists programs by the file\n"
    "name of their executable (game.exe, firefox) or by their window class (the app id on\n"
    "Wayland), compared without regard to the case of ASCII letters. When a program comes to the\n"
    "front, the first profile that lists it is chosen, and every other program gets the default\n"
    "profile. The rules live in ProgramRules.ini in the data folder; a running program takes up\n"
    "a change when the program in front changes next.\n\n"
    "  --json    one JSON object: enabled, default_profile, profiles (\"1\" to \"5\", each a list\n"
    "            of programs), file, and problem where the file is damaged\n"
    "  add       lists PROGRAM under PROFILE; a program chooses one profile, so another\n"
    "            profile's listing of it goes\n"
    "  remove    takes PROGRAM off PROFILE's list\n"
    "  default   the profile of every program no profile lists\n"
    "  on, off   follow the program in front, or not\n\n"
    "A damaged file is reported and ignored (no program chooses a profile, the exit status is 1);\n"
    "a change moves it aside to ProgramRules.ini.invalid and starts the rules anew.\n";

int Usage(Context& context, const std::string& problem) {
    context.err << "oryn7px-cli rules: " << problem << "\n" << kUsage;
    return kExitUsage;
}

std::optional<int> ProfileArgument(const std::string& text) {
    const std::optional<uint32_t> number = ParseNumber(text);
    if (!number || !IsProfileNumber(static_cast<int>(*number))) return std::nullopt;
    return static_cast<int>(*number);
}

nlohmann::json RulesJson(const RulesReading& reading, const std::filesystem::path& path, bool chinese) {
    nlohmann::json profiles = nlohmann::json::object();
    for (int profile = 1; profile <= kProfileCount; ++profile) {
        profiles[std::to_string(profile)] = reading.rules.programs[static_cast<std::size_t>(profile - 1)];
    }
    nlohmann::json json = {{"enabled", reading.rules.enabled},
                           {"default_profile", reading.rules.defaultProfile},
                           {"profiles", profiles},
                           {"file", path.string()}};
    if (reading.problem) json["problem"] = Utf16ToUtf8(RulesFileProblemText(*reading.problem, path, chinese));
    return json;
}

void PrintRules(std::ostream& out, const ProgramRules& rules) {
    out << "Following: " << (rules.enabled ? "on" : "off") << "\n";
    out << "Default profile: " << rules.defaultProfile << "\n";
    for (int profile = 1; profile <= kProfileCount; ++profile) {
        for (const std::string& program : rules.programs[static_cast<std::size_t>(profile - 1)]) {
            out << "Profile " << profile << ": " << EscapeForText(program) << "\n";
        }
    }
}

int Show(Context& context, bool json) {
    Session session(context);
    if (const int refused = session.Open(Access::kRead)) return refused;
    ProgramRulesFile file(ProgramRulesPathOf(session.DataFolder()), session.Writer());
    const RulesReading reading = file.Read();
    if (json) {
        context.out << JsonText(RulesJson(reading, file.Path(), session.Chinese())) << "\n";
    } else {
        PrintRules(context.out, reading.rules);
    }
    if (!reading.problem) return kExitOk;
    context.err << EscapeForText(Utf16ToUtf8(RulesFileProblemText(*reading.problem, file.Path(), session.Chinese())))
                << "\n";
    return kExitFailed;
}

// Changes the rules as `edit` says and prints `done` with what the edit returned.
template <typename Edit, typename Done>
int Change(Context& context, Edit edit, Done done) {
    Session session(context);
    if (const int refused = session.Open(Access::kProgramRules)) return refused;
    ProgramRulesFile file(ProgramRulesPathOf(session.DataFolder()), session.Writer());
    decltype(edit(std::declval<ProgramRules&>())) outcome{};
    const Result<RulesEdited> edited = file.Edit([&](ProgramRules& rules) { outcome = edit(rules); });
    if (!edited) {
        context.err << "oryn7px-cli rules: nothing changed: " << EscapeForText(edited.Failure().message) << "\n";
        return kExitFailed;
    }
    if (edited->replacedProblem) {
        const bool chinese = session.Chinese();
        context.err << EscapeForText(Utf16ToUtf8(RulesFileProblemText(*edited->replacedProblem, file.Path(), chinese)))
                    << "\n"
                    << EscapeForText(Utf16ToUtf8(DamagedRulesKeptText(*edited->keptAs, chinese))) << "\n";
    }
    return done(outcome);
}

int Add(Context& context, int profile, const std::string& program) {
    return Change(
        context, [&](ProgramRules& rules) { return AddProgram(rules, profile, program); },
        [&](const AddedProgram& added) {
            const std::string name = EscapeForText(program);
            if (!added.added) {
                context.out << name << " already chooses profile " << profile << ".\n";
            } else if (added.movedFrom) {
                context.out << name << " chooses profile " << profile << " (it chose profile " << *added.movedFrom
                            << " before).\n";
            } else {
                context.out << name << " chooses profile " << profile << ".\n";
            }
            return kExitOk;
        });
}

int Remove(Context& context, int profile, const std::string& program) {
    return Change(
        context, [&](ProgramRules& rules) { return RemoveProgram(rules, profile, program); },
        [&](bool removed) {
            if (!removed) {
                context.err << "oryn7px-cli rules: profile " << profile << " does not list " << EscapeForText(program)
                            << "\n";
                return kExitFailed;
            }
            context.out << EscapeForText(program) << " no longer chooses profile " << profile << ".\n";
            return kExitOk;
        });
}

int SetDefault(Context& context, int profile) {
    return Change(
        context,
        [&](ProgramRules& rules) {
            rules.defaultProfile = profile;
            return true;
        },
        [&](bool) {
            context.out << "Programs that no profile lists choose profile " << profile << ".\n";
            return kExitOk;
        });
}

int SetFollowing(Context& context, bool on) {
    return Change(
        context,
        [&](ProgramRules& rules) {
            rules.enabled = on;
            return true;
        },
        [&](bool) {
            context.out << (on ? "Profiles follow the program in front.\n"
                               : "Profiles no longer follow the program in front.\n");
            return kExitOk;
        });
}

int Rules(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    if (args.empty() || (args.size() == 1 && args[0] == "--json")) return Show(context, !args.empty());
    const std::string& verb = args[0];
    if ((verb == "on" || verb == "off") && args.size() == 1) return SetFollowing(context, verb == "on");
    if (verb == "default" && args.size() == 2) {
        const std::optional<int> profile = ProfileArgument(args[1]);
        if (!profile) return Usage(context, "PROFILE is a number from 1 to 5, not " + EscapeForText(args[1]));
        return SetDefault(context, *profile);
    }
    if ((verb == "add" || verb == "remove") && args.size() == 3) {
        const std::optional<int> profile = ProfileArgument(args[1]);
        if (!profile) return Usage(context, "PROFILE is a number from 1 to 5, not " + EscapeForText(args[1]));
        if (const auto problem = ProgramNameProblem(args[2])) return Usage(context, *problem);
        return verb == "add" ? Add(context, *profile, args[2]) : Remove(context, *profile, args[2]);
    }
    return Usage(context, "unexpected arguments");
}

const Registration kRules("rules", "which programs choose which profile when they come to the front", Rules);

}  // namespace
}  // namespace oryn7px::cli
