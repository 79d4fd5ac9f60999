#include "core/device/device_state.h"

#include <gtest/gtest.h>

#include <thread>

namespace oryn7px {
namespace {

using A = DeviceActivity;

TEST(DeviceState, APassTakesTheStateAndTheMainWindowSettlesIt) {
    DeviceState state;
    EXPECT_EQ(state.Read(), (DeviceStateView{true, A::kIdle, false}));
    state.BeginWrite();
    EXPECT_EQ(state.Read(), (DeviceStateView{false, A::kWriting, false}));
    state.RecordWriteOutcome(true);
    state.EndWrite();
    EXPECT_EQ(state.Read(), (DeviceStateView{false, A::kIdle, true}));
    state.ApplySettled();
    EXPECT_EQ(state.Read(), (DeviceStateView{true, A::kIdle, true}));
    state.MouseArrived();
    EXPECT_EQ(state.Read(), (DeviceStateView{true, A::kIdle, false}));
    // A new pass forgets the last one's lost mouse.
    state.RecordWriteOutcome(true);
    state.BeginWrite();
    EXPECT_FALSE(state.Read().writeLostMouse);
}

TEST(DeviceState, FirmwareCheckNeverOverwritesAWrite) {
    DeviceState state;
    ASSERT_TRUE(state.BeginFirmwareCheck());
    EXPECT_EQ(state.Read().activity, A::kFirmwareCheck);
    EXPECT_FALSE(state.BeginFirmwareCheck());
    state.EndFirmwareCheck();
    EXPECT_EQ(state.Read().activity, A::kIdle);

    state.BeginWrite();
    EXPECT_FALSE(state.BeginFirmwareCheck());
    state.EndFirmwareCheck();  // a check that ran during the write ends without touching it
    EXPECT_EQ(state.Read().activity, A::kWriting);
    // The removal handler ends the tail of a write; the worker's own end then finds idle.
    state.EndWriteTail();
    state.EndWrite();
    EXPECT_EQ(state.Read().activity, A::kIdle);
    state.RepairApplyReady();
    EXPECT_TRUE(state.Read().applyReady);
}

TEST(DeviceState, ThreadsChangingItTogetherLeaveOnlyWholeStates) {
    DeviceState state;
    std::thread worker([&] {
        for (int i = 0; i < 2000; ++i) {
            state.BeginWrite();
            state.RecordWriteOutcome(i % 2 == 0);
            state.EndWrite();
            state.ApplySettled();
        }
    });
    std::thread firmwareCheck([&] {
        for (int i = 0; i < 2000; ++i) {
            if (state.BeginFirmwareCheck()) state.EndFirmwareCheck();
        }
    });
    for (int i = 0; i < 2000; ++i) {
        const DeviceStateView view = state.Read();
        // A write in progress always has applyReady off.
        if (view.activity == A::kWriting) ASSERT_FALSE(view.applyReady);
    }
    worker.join();
    firmwareCheck.join();
    EXPECT_EQ(state.Read(), (DeviceStateView{true, A::kIdle, false}));
}

}  // namespace
}  // namespace oryn7px
