#include "cli.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace oryn7px::cli {

namespace {

std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

}  // namespace

const std::vector<Command>& Commands() { return Registry(); }

Registration::Registration(std::string name, std::string summary, Handler handler) {
    auto& commands = Registry();
    commands.push_back({std::move(name), std::move(summary), std::move(handler)});
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
}

std::optional<uint32_t> ParseNumber(const std::string& text) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return std::nullopt;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* begin = text.c_str() + (hex ? 2 : 0);
    if (*begin == '\0' || *begin == ' ' || *begin == '-' || *begin == '+') return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(begin, &end, hex ? 16 : 10);
    if (errno != 0 || *end != '\0' || value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<uint32_t>(value);
}

bool WantsHelp(const std::vector<std::string>& args) {
    return std::find_if(args.begin(), args.end(), [](const std::string& a) {
               return a == "--help" || a == "-h";
           }) != args.end();
}

}  // namespace oryn7px::cli
