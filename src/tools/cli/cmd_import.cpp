// import FILE: take a configuration exported by export (or the program's support page).
#include <iostream>

#include "cli.h"
#include "core/base/utf16.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli import FILE\n\n"
    "Takes the profile, the macro ids of the active profile and the macro library from an\n"
    "exported FILE and saves them into the active profile's file, ConfigInfo.cfg and Macro.cfg:\n"
    "all three, or none when one cannot be written.\n"
    "(The program restarts after an import; the command line has nothing to restart.)\n";

int Import(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    if (args.size() != 1) {
        context.err << kUsage;
        return kExitUsage;
    }
    Session session(context);
    if (const int refused = session.Open(Access::kWrite)) return refused;
    session.LoadAsAtStartUp();
    if (session.Store().Import(args[0], nullptr) != kProfileRead) return kExitFailed;
    const int entry = session.State().currentEntry;
    context.out << "Saved the imported configuration as profile " << entry + 1 << " ("
                << EscapeForText(session.Store().ProfilePath(entry).string()) << "), ConfigInfo.cfg and Macro.cfg.\n";
    return kExitOk;
}

const Registration kImport("import", "take the configuration from an exported FILE and save it", Import);

}  // namespace
}  // namespace oryn7px::cli
