#pragma once
// Programs as the profile rules see them: a second window of a program is the same program.
#include <vector>

#include "core/interfaces/foreground_tracker.h"

namespace oryn7px {

// Same executable and class: titles differ between windows of one program, and a second
// instance follows the same rules.
bool SameProgram(const ForegroundProgram& a, const ForegroundProgram& b);

// Each program once, in the order of its first window.
std::vector<ForegroundProgram> DistinctPrograms(const std::vector<ForegroundProgram>& windows);

// Passes on only the reports that name another program than the last one; for one reporting thread.
class ForegroundChanges {
public:
    explicit ForegroundChanges(ForegroundTracker::Changed changed) : changed_(std::move(changed)) {}

    void Report(const ForegroundProgram& program) {
        if (reported_ && SameProgram(last_, program)) return;
        reported_ = true;
        last_ = program;
        changed_(program);
    }

private:
    ForegroundTracker::Changed changed_;
    ForegroundProgram last_;
    bool reported_ = false;
};

}  // namespace oryn7px
