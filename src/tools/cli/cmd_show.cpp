// show: the active (or a chosen) profile, loaded as at start-up.
#include <iostream>

#include "cli.h"
#include "profile_view.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli show [--profile N] [--json]\n\n"
    "Loads the profile index as the program does at start-up (creating default files where\n"
    "they are missing) and prints the active profile, or profile N (1..5).\n\n"
    "  --profile N   show profile N instead of the active one\n"
    "  --json        one JSON object keyed by the profile record's field names\n";

int Show(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    std::optional<int> profile;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--profile" && i + 1 < args.size()) {
            const auto number = ParseNumber(args[++i]);
            if (!number || *number < 1 || *number > kProfileCount) {
                context.err << "oryn7px-cli show: --profile takes a number from 1 to 5\n";
                return kExitUsage;
            }
            profile = static_cast<int>(*number);
        } else {
            context.err << "oryn7px-cli show: unexpected argument " << args[i] << "\n" << kUsage;
            return kExitUsage;
        }
    }
    Session session(context);
    if (const int refused = session.Open(Access::kRead)) return refused;
    session.LoadAsAtStartUp();
    if (profile && session.Store().SwitchProfile(*profile - 1) != kProfileRead) return kExitFailed;
    const int shown = session.State().currentEntry + 1;
    if (json) {
        context.out << JsonText(ProfileJson(session.State(), shown)) << "\n";
    } else {
        PrintProfile(context.out, session.State(), shown);
    }
    return kExitOk;
}

const Registration kShow("show", "print the active profile (or profile N), as text or JSON", Show);

}  // namespace
}  // namespace oryn7px::cli
