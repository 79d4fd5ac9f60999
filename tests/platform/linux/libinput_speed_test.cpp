#include "platform/linux/libinput_speed.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(LibinputSpeed, MapsPointerSpeedLinearlyOntoLibinputRange) {
    const struct {
        int32_t speed;
        double expected;
    } cases[] = {
        {1, -1.0}, {10, -1.0 / 19.0}, {11, 1.0 / 19.0}, {20, 1.0}, {0, -1.0}, {-5, -1.0}, {99, 1.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LibinputSpeed(c.speed), c.expected) << "speed " << c.speed;
}

}  // namespace
}  // namespace oryn7px
