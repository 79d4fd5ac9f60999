#include "platform/linux/foreground_programs.h"

#include <algorithm>

namespace oryn7px {

bool SameProgram(const ForegroundProgram& a, const ForegroundProgram& b) {
    return a.executable == b.executable && a.windowClass == b.windowClass;
}

std::vector<ForegroundProgram> DistinctPrograms(const std::vector<ForegroundProgram>& windows) {
    std::vector<ForegroundProgram> programs;
    for (const ForegroundProgram& window : windows) {
        const auto same = [&](const ForegroundProgram& known) { return SameProgram(known, window); };
        if (std::none_of(programs.begin(), programs.end(), same)) programs.push_back(window);
    }
    return programs;
}

}  // namespace oryn7px
