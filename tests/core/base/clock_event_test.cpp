#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/base/clock.h"
#include "core/base/manual_reset_event.h"

namespace oryn7px {
namespace {

TEST(VirtualClock, RecordsPausesAndAdvancesTime) {
    VirtualClock clock(0xFFFFFFF0u);
    clock.SleepMs(50);
    clock.SleepMs(1500);
    EXPECT_EQ(clock.Pauses(), (std::vector<uint32_t>{50, 1500}));
    EXPECT_EQ(clock.TotalPausedMs(), 1550u);
    EXPECT_EQ(clock.TickCount(), 0xFFFFFFF0u + 1550u);  // wraps like the system tick count
    clock.ClearPauses();
    EXPECT_TRUE(clock.Pauses().empty());
}

TEST(ManualResetEvent, StaysSignalledUntilReset) {
    ManualResetEvent event;
    EXPECT_FALSE(event.WaitFor(std::chrono::milliseconds(0)));
    std::thread setter([&] { event.Set(); });
    event.Wait();
    setter.join();
    EXPECT_TRUE(event.WaitFor(std::chrono::milliseconds(0)));
    EXPECT_TRUE(event.IsSet());
    event.Reset();
    EXPECT_FALSE(event.IsSet());
}

}  // namespace
}  // namespace oryn7px
