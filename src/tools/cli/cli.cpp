#include "cli.h"

#include <algorithm>
#include <cctype>
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
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = text.substr(hex ? 2 : 0);
    // Digits only: strtoull would also take spaces and signs.
    const auto isDigit = [hex](unsigned char c) { return hex ? std::isxdigit(c) != 0 : std::isdigit(c) != 0; };
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (errno != 0 || value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<int> ParseInRange(const std::string& text, ValueRange range) {
    const auto number = ParseNumber(text);
    // Within 32 bits but beyond any range: refused before it could wrap into one.
    if (!number || *number > static_cast<uint32_t>(range.maximum) || !range.Contains(static_cast<int>(*number)))
        return std::nullopt;
    return static_cast<int>(*number);
}

bool WantsHelp(const std::vector<std::string>& args) {
    return std::find_if(args.begin(), args.end(), [](const std::string& a) {
               return a == "--help" || a == "-h";
           }) != args.end();
}

}  // namespace oryn7px::cli
