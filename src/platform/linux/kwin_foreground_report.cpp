#include "platform/linux/kwin_foreground_report.h"

#include <nlohmann/json.hpp>

namespace oryn7px {

namespace {

using nlohmann::json;

// Hundreds of windows take a few tens of kilobytes.
constexpr size_t kMaxReportBytes = 1 << 20;

std::string Text(const json& object, const char* key) {
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

uint32_t Pid(const json& object) {
    const auto found = object.find("pid");
    if (found == object.end() || !found->is_number()) return 0;
    const double pid = found->get<double>();
    return pid >= 1 && pid <= UINT32_MAX ? static_cast<uint32_t>(pid) : 0;
}

std::optional<ForegroundProgram> Program(const json& window, const ExecutableOf& executableOf) {
    if (!window.is_object()) return std::nullopt;
    ForegroundProgram program;
    program.windowClass = Text(window, "class");
    program.title = Text(window, "caption");
    program.pid = Pid(window);
    if (program.pid != 0) program.executable = executableOf(program.pid);
    return program;
}

}  // namespace

std::optional<KWinReport> ParseKWinReport(std::string_view text, const ExecutableOf& executableOf) {
    if (text.size() > kMaxReportBytes) return std::nullopt;
    const json report = json::parse(text.begin(), text.end(), nullptr, false);
    if (!report.is_object()) return std::nullopt;
    KWinReport parsed;
    if (const auto active = report.find("active"); active != report.end()) parsed.active = Program(*active, executableOf);
    if (const auto windows = report.find("windows"); windows != report.end() && windows->is_array()) {
        for (const json& window : *windows) {
            if (std::optional<ForegroundProgram> program = Program(window, executableOf)) {
                parsed.windows.push_back(std::move(*program));
            }
        }
    }
    return parsed;
}

}  // namespace oryn7px
