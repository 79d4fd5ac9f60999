#pragma once
// What the mouse holds: the last pass this program completed on the current link, which an
// automatic switch compares its profile with. The apply worker remembers each pass that
// completes and forgets it when a pass fails. A pass counts only on the link it was written on:
// the link changes whenever the mouse is closed or opened again (a replug through device
// presence, the mouse coming back after a firmware update), and with it the memory is void.
// Anyone with a doubt about the mouse calls Forget.
#include <cstdint>
#include <memory>
#include <mutex>

#include "core/device/apply_request.h"

namespace oryn7px {

class CompletedPass {
public:
    void Remember(const ApplySnapshot& snapshot, uint64_t link);
    void Forget();
    // The pass completed on `link`; null when none is known there.
    std::shared_ptr<const ApplySnapshot> On(uint64_t link) const;

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const ApplySnapshot> snapshot_;
    uint64_t link_ = 0;
};

}  // namespace oryn7px
