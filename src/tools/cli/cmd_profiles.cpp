// profiles: the five entries of the profile index.
#include <iostream>

#include "cli.h"
#include "core/base/utf16.h"
#include "core/base/file_read.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli profiles\n\n"
    "Prints one line per profile: its number, whether its index entry carries the valid magic,\n"
    "whether the saved index marks it active, whether the program (and show, apply) starts with\n"
    "it, and its file. The program starts with the first active entry that carries the magic and\n"
    "whose file reads; without one, with profile 1.\n";

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
    if (const int refused = session.Open(Access::kRead)) return refused;
    // The flags as saved: loading marks the profile it falls back to as active in memory.
    ProfileIndex saved{};
    // An index that cannot be read lists no profile as active; loading it below says why.
    static_cast<void>(ReadRecord(session.Store().IndexPath(), saved));
    session.Store().LoadProfileIndex();
    context.out << "profile  magic  active  start  path\n";
    for (int k = 0; k < kProfileCount; ++k) {
        const ConfigInfoEntry& entry = session.State().index[static_cast<std::size_t>(k)];
        const bool active = saved[static_cast<std::size_t>(k)].bActive != 0;
        context.out << k + 1 << "        " << (entry.dwMagic == kConfigEntryMagic ? "yes" : "no ") << "    "
                    << (active ? "yes" : "no ") << "     " << (session.State().currentEntry == k ? "yes" : "no ")
                    << "    " << EscapeForText(Utf16ToUtf8(FixedText(entry.szProfilePath))) << "\n";
    }
    return kExitOk;
}

const Registration kProfiles("profiles", "list the five profiles: valid, active, the one used at start, file", Profiles);

}  // namespace
}  // namespace oryn7px::cli
