#include "platform/linux/evdev_travel.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace oryn7px {
namespace {

// What the statistics page adds up between two samples.
int64_t Distance(const ScreenPoint& a, const ScreenPoint& b) {
    return std::llabs(static_cast<int64_t>(b.x) - a.x) + std::llabs(static_cast<int64_t>(b.y) - a.y);
}

TEST(EvdevTravel, EachReadMovesByExactlyTheTravelAddedSinceTheLast) {
    EvdevTravel travel;
    ScreenPoint last = *travel.Read();
    EXPECT_EQ(last, (ScreenPoint{0, 0}));
    for (const uint64_t added : {7ull, 0ull, 1ull, 123456ull, 900000000ull, 900000000ull, 5ull}) {
        travel.Add(added);
        const ScreenPoint now = *travel.Read();
        EXPECT_EQ(Distance(last, now), static_cast<int64_t>(added)) << added;
        EXPECT_GE(now.x, 0);
        EXPECT_LE(now.x, EvdevTravel::kBound);
        EXPECT_EQ(now.y, 0);
        last = now;
    }
}

// Near the bound the walk turns back; a jump wider than the room on both sides is handed out
// over the following reads, so the sum stays exact.
TEST(EvdevTravel, AtTheBoundTheWalkTurnsAndNothingIsLost) {
    EvdevTravel travel;
    travel.Add(EvdevTravel::kBound - 10);
    EXPECT_EQ(travel.Read()->x, EvdevTravel::kBound - 10);
    travel.Add(25);
    EXPECT_EQ(travel.Read()->x, EvdevTravel::kBound - 35);  // down: up would pass the bound

    const uint64_t jump = 3ull * EvdevTravel::kBound;
    travel.Add(jump);
    ScreenPoint last = *travel.Read();
    int64_t total = Distance({EvdevTravel::kBound - 35, 0}, last);
    for (int i = 0; i < 10 && total < static_cast<int64_t>(jump); ++i) {
        const ScreenPoint now = *travel.Read();
        total += Distance(last, now);
        last = now;
    }
    EXPECT_EQ(total, static_cast<int64_t>(jump));
    EXPECT_EQ(Distance(last, *travel.Read()), 0);  // nothing left over
}

}  // namespace
}  // namespace oryn7px
