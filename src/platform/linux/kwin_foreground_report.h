#pragma once
// The KWin script's report, read defensively: it arrives over the session bus.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/interfaces/foreground_tracker.h"

namespace oryn7px {

struct KWinReport {
    std::optional<ForegroundProgram> active;  // none while no window is active
    std::vector<ForegroundProgram> windows;
};

using ExecutableOf = std::function<std::string(uint32_t pid)>;

// Nullopt for text that is no report: not JSON, not an object, larger than any window list.
// A field of the wrong type is left empty, a window that is no object is left out; executables
// come from `executableOf`.
std::optional<KWinReport> ParseKWinReport(std::string_view text, const ExecutableOf& executableOf);

}  // namespace oryn7px
