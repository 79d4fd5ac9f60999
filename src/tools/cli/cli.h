#pragma once
// The command registry of oryn7px-cli: each command file registers itself.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/pages/value_range.h"

namespace oryn7px::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Options given before the command.
struct GlobalOptions {
    std::optional<std::filesystem::path> dataDir;  // else the data folder rule
    std::optional<int> language;                   // UI language 1..12
    bool virtualMouse = false;                     // an in-process virtual mouse
};

struct Context {
    GlobalOptions options;
    std::ostream& out;
    std::ostream& err;
};

using Handler = std::function<int(Context&, const std::vector<std::string>& args)>;

struct Command {
    std::string name;
    std::string summary;
    Handler handler;
};

const std::vector<Command>& Commands();

// Construct one of these at namespace scope in a command's file.
struct Registration {
    Registration(std::string name, std::string summary, Handler handler);
};

// Decimal or 0x-hexadecimal, the whole text, within 32 bits.
std::optional<uint32_t> ParseNumber(const std::string& text);
// A number within `range`, else null.
std::optional<int> ParseInRange(const std::string& text, ValueRange range);

bool WantsHelp(const std::vector<std::string>& args);

}  // namespace oryn7px::cli
