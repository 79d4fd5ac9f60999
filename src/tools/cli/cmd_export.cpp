// export FILE: the whole configuration in one file.
#include <iostream>

#include "cli.h"
#include "session.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli export FILE\n\n"
    "Writes the active profile, the profile index and the macro library into FILE\n"
    "(2085432 bytes; the program's support page imports it).\n";

int Export(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    if (args.size() != 1) {
        context.err << kUsage;
        return kExitUsage;
    }
    Session session(context);
    if (const int refused = session.Open(Access::kRead)) return refused;
    session.LoadAsAtStartUp();
    return session.Store().Export(args[0]) ? kExitOk : kExitFailed;
}

const Registration kExport("export", "write the whole configuration into FILE", Export);

}  // namespace
}  // namespace oryn7px::cli
