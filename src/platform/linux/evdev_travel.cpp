#include "platform/linux/evdev_travel.h"

#include <algorithm>

namespace oryn7px {

std::optional<ScreenPoint> EvdevTravel::Read() {
    const uint64_t distance = pending_.exchange(0, std::memory_order_relaxed);
    const uint64_t up = static_cast<uint64_t>(kBound - x_);
    const uint64_t down = static_cast<uint64_t>(x_);
    const uint64_t step = std::min(distance, std::max(up, down));
    if (step <= up) {
        x_ += static_cast<int>(step);
    } else {
        x_ -= static_cast<int>(step);
    }
    if (distance > step) pending_.fetch_add(distance - step, std::memory_order_relaxed);
    return ScreenPoint{x_, 0};
}

}  // namespace oryn7px
