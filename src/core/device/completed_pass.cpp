#include "core/device/completed_pass.h"

namespace oryn7px {

void CompletedPass::Remember(const ApplySnapshot& snapshot, uint64_t link) {
    auto copy = std::make_shared<const ApplySnapshot>(snapshot);
    std::lock_guard lock(mutex_);
    snapshot_ = std::move(copy);
    link_ = link;
}

void CompletedPass::Forget() {
    std::lock_guard lock(mutex_);
    snapshot_.reset();
}

std::shared_ptr<const ApplySnapshot> CompletedPass::On(uint64_t link) const {
    std::lock_guard lock(mutex_);
    return link_ == link ? snapshot_ : nullptr;
}

}  // namespace oryn7px
