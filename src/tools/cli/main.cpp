// oryn7px-cli: the configuration utility for scripts and headless machines.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

namespace {

using namespace oryn7px::cli;

void PrintUsage(std::ostream& out) {
    out << "usage: oryn7px-cli [--data-dir DIR] [--lang N] [--virtual-mouse] COMMAND [ARGS...]\n\n"
           "options:\n"
           "  --data-dir DIR    use DIR as the data folder (profiles, macros, statistics)\n"
           "  --lang N          UI language 1..12 for built-in texts and default names\n"
           "  --virtual-mouse   talk to a built-in virtual mouse instead of a real one\n\n"
           "commands:\n";
    for (const Command& command : Commands()) {
        out << "  " << command.name << std::string(command.name.size() < 12 ? 12 - command.name.size() : 1, ' ')
            << command.summary << "\n";
    }
    out << "\nRun 'oryn7px-cli COMMAND --help' for the options of a command.\n";
}

}  // namespace

int main(int argc, char** argv) {
    Context context{{}, std::cout, std::cerr};
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage(std::cout);
            return kExitOk;
        }
        if (arg == "--virtual-mouse") {
            context.options.virtualMouse = true;
        } else if (arg == "--data-dir" && i + 1 < argc) {
            context.options.dataDir = argv[++i];
        } else if (arg == "--lang" && i + 1 < argc) {
            const auto language = ParseNumber(argv[++i]);
            if (!language || *language < 1 || *language > 12) {
                std::cerr << "oryn7px-cli: --lang takes a number from 1 to 12\n";
                return kExitUsage;
            }
            context.options.language = static_cast<int>(*language);
        } else if (arg.starts_with("-")) {
            std::cerr << "oryn7px-cli: unknown option " << arg << "\n";
            PrintUsage(std::cerr);
            return kExitUsage;
        } else {
            break;
        }
    }
    if (i >= argc) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const std::string name = argv[i];
    const std::vector<std::string> args(argv + i + 1, argv + argc);
    for (const Command& command : Commands()) {
        if (command.name == name) return command.handler(context, args);
    }
    std::cerr << "oryn7px-cli: unknown command " << name << "\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}
