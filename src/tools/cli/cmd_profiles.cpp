// profiles: the five entries of the profile index.
#include <iostream>

#include "cli.h"
#include "core/base/utf16.h"
#include "session.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli profiles\n\n"
    "Loads the profile index as at start-up and prints one line per profile: its number,\n"
    "whether its index entry carries the valid magic, whether it is active, and its file.\n";

int Profiles(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    if (!args.empty()) {
        context.err << "oryn7px-cli profiles: unexpected argument " << args[0] << "\n" << kUsage;
        return kExitUsage;
    }
    Session session(context);
    session.Store().LoadProfileIndex();
    context.out << "profile  magic  active  path\n";
    for (int k = 0; k < kProfileCount; ++k) {
        const ConfigInfoEntry& entry = session.State().index[static_cast<std::size_t>(k)];
        context.out << k + 1 << "        " << (entry.dwMagic == kConfigEntryMagic ? "yes" : "no ") << "    "
                    << (entry.bActive != 0 ? "yes" : "no ") << "     " << Utf16ToUtf8(FixedText(entry.szProfilePath))
                    << "\n";
    }
    return kExitOk;
}

const Registration kProfiles("profiles", "list the five profiles: valid, active, file", Profiles);

}  // namespace
}  // namespace oryn7px::cli
