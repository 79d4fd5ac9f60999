#pragma once
// The verbs of `macro` that make new macros: create from listed events, record from the keyboard.
#include <string>
#include <vector>

#include "cli.h"

namespace oryn7px::cli {

inline constexpr const char* kCreateUsage =
    "usage: oryn7px-cli macro create NAME [--category N] [--repeat COUNT|0xFFFE|0xFFFF] EVENT...\n"
    "  EVENT: down:KEY, up:KEY, delay:MS or move:X,Y (X and Y from -127 to 127)\n"
    "  KEY: a key name as the macro page or `keyname` shows it (any case), or a virtual-key number; names win, so\n"
    "       1 is the digit key and 0x01 the left button\n"
    "  Leading delays are dropped and delays that meet are merged, as on the macro page.\n"
    "  Default category 22 (the user's own); prints the new macro's ID and its lines.\n";

inline constexpr const char* kRecordUsage =
    "usage: oryn7px-cli macro record NAME [--category N] [--seconds S] [--skip-delays]\n"
    "  Records key presses on the whole desktop as the macro page does (a held key counts once,\n"
    "  at most 124 key events, the pauses between them unless --skip-delays) for S seconds\n"
    "  (default 10) or until Ctrl+C, stores the macro and prints its ID and lines.\n";

int CreateMacro(Context& context, const std::vector<std::string>& args);
int RecordMacro(Context& context, const std::vector<std::string>& args);

}  // namespace oryn7px::cli
