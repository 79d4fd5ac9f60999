#pragma once
// What a window tracker reported, gathered from its thread, for the trackers' tests.
#include <mutex>
#include <string>
#include <vector>

#include "core/interfaces/foreground_tracker.h"

namespace oryn7px::test {

class ForegroundReports {
public:
    ForegroundTracker::Changed Sink() {
        return [this](const ForegroundProgram& program) {
            std::lock_guard lock(mutex_);
            programs_.push_back(program);
        };
    }
    std::vector<ForegroundProgram> Programs() const {
        std::lock_guard lock(mutex_);
        return programs_;
    }
    size_t Count() const { return Programs().size(); }
    std::string LastClass() const {
        const std::vector<ForegroundProgram> programs = Programs();
        return programs.empty() ? std::string() : programs.back().windowClass;
    }
    std::string Classes() const {
        std::string classes;
        for (const ForegroundProgram& program : Programs()) classes += program.windowClass + " ";
        return classes;
    }

private:
    mutable std::mutex mutex_;
    std::vector<ForegroundProgram> programs_;
};

inline bool ListsClass(const std::vector<ForegroundProgram>& programs, const std::string& windowClass) {
    for (const ForegroundProgram& program : programs) {
        if (program.windowClass == windowClass) return true;
    }
    return false;
}

}  // namespace oryn7px::test
