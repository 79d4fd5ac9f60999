#include "core/device/apply_plan.h"

#include <algorithm>

#include "core/device/pass_content.h"

namespace oryn7px {

namespace {

// The image that a pass leaves in `slot`, if it uploads one there.
const MacroImage* ImageInSlot(const PassContent& content, uint32_t slot) {
    for (const std::optional<MacroSlotUse>& use : content.macros) {
        if (use && use->encoded && use->slot == slot) return &use->encoded->image;
    }
    return nullptr;
}

bool SameImage(const MacroImage* a, const MacroImage& b) {
    return a != nullptr && a->bytes == b.bytes && a->paddedLength == b.paddedLength;
}

// Every step of `next`, or those whose commands differ from `last`'s.
std::vector<PlannedStep> Steps(const PassContent* last, const PassContent& next) {
    std::vector<PlannedStep> steps;
    for (const std::optional<MacroSlotUse>& use : next.macros) {
        if (!use || !use->encoded) continue;
        if (last && SameImage(ImageInSlot(*last, use->slot), use->encoded->image)) continue;
        steps.push_back({PassStep::kMacroUpload, use->slot});
    }
    const auto add = [&](PassStep step, bool same) {
        if (!last || !same) steps.push_back({step, 0});
    };
    add(PassStep::kKeyMatrix, last && last->keyMatrix == next.keyMatrix);
    add(PassStep::kLighting, last && last->lighting == next.lighting);
    add(PassStep::kTouch, last && last->touch == next.touch);
    add(PassStep::kDpi, last && last->dpiTable == next.dpiTable);
    add(PassStep::kReportRate, last && last->reportRate == next.reportRate);
    return steps;
}

}  // namespace

bool ApplyPlan::Has(PassStep step) const {
    return std::any_of(steps.begin(), steps.end(), [step](const PlannedStep& s) { return s.step == step; });
}

bool ApplyPlan::Uploads(uint32_t slot) const {
    return std::find(steps.begin(), steps.end(), PlannedStep{PassStep::kMacroUpload, slot}) != steps.end();
}

ApplyPlan PlanApply(const ApplySnapshot* lastCompleted, const ApplySnapshot& next) {
    const PassContent nextContent = PassContentOf(next);
    if (!lastCompleted) return {true, Steps(nullptr, nextContent)};
    const PassContent lastContent = PassContentOf(*lastCompleted);
    return {false, Steps(&lastContent, nextContent)};
}

}  // namespace oryn7px
