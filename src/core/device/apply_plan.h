#pragma once
// The steps of an apply pass that change what the mouse holds: an automatic profile switch
// writes only those, compared with the last pass this program completed on the current link.
// Without that pass (after a replug, a failed pass, or any other doubt) the plan is the whole
// pass, as the Apply button writes it.
//
// Steps are compared by the commands they would send. A macro is addressed by its slot: the
// mouse plays the image in the slot that the button's code names, and the code holds only the
// macro kind, the slot and the image's length byte. So a macro already in its slot is not
// uploaded again, and a changed macro that keeps its slot and its length byte is uploaded
// without writing the key matrix again; the matrix is written when any code in it changes.
#include <cstdint>
#include <vector>

#include "core/device/apply_request.h"

namespace oryn7px {

// In the pass's order. Lighting is one step: the effect follows its colour, so a changed
// colour, effect or colour table sends all three as the pass does.
enum class PassStep : uint8_t { kMacroUpload, kKeyMatrix, kLighting, kTouch, kDpi, kReportRate };

struct PlannedStep {
    PassStep step = PassStep::kKeyMatrix;
    uint32_t slot = 0;  // the macro slot of an upload

    bool operator==(const PlannedStep&) const = default;
};

struct ApplyPlan {
    // Every step, with the pass's own pauses between them. A plan of changes keeps only the
    // pauses that belong to the commands it sends.
    bool whole = true;
    std::vector<PlannedStep> steps;  // in the pass's order

    bool Has(PassStep step) const;
    bool Uploads(uint32_t slot) const;
};

ApplyPlan PlanApply(const ApplySnapshot* lastCompleted, const ApplySnapshot& next);

}  // namespace oryn7px
