// Following the virtual mouse: polling a backend's listing, the in-process mouse's own notices,
// and the bootloader mode seen through the HID listing.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/emulator/hid_bootloader_probe.h"
#include "platform/emulator/polling_device_presence.h"
#include "platform/emulator/virtual_mouse.h"
#include "platform/emulator/virtual_mouse_presence.h"

namespace oryn7px {
namespace {

class RecordingListener final : public DevicePresenceListener {
public:
    void OnDeviceChange(DeviceChange change, const std::string& name) override {
        std::lock_guard lock(mutex_);
        notices_.emplace_back(change, name);
        changed_.notify_all();
    }
    std::vector<std::pair<DeviceChange, std::string>> WaitFor(size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(5), [&] { return notices_.size() >= count; });
        return notices_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::pair<DeviceChange, std::string>> notices_;
};

using Notices = std::vector<std::pair<DeviceChange, std::string>>;

TEST(PollingDevicePresence, ReportsUnplugAndPlugOfTheMouse) {
    RealClock clock;
    VirtualMouse mouse(clock);
    PollingDevicePresence presence(mouse, std::chrono::milliseconds(10));
    RecordingListener listener;
    ASSERT_TRUE(presence.Start(listener));
    mouse.Unplug();
    listener.WaitFor(1);
    mouse.Plug();
    const Notices notices = listener.WaitFor(2);
    presence.Stop();
    EXPECT_EQ(notices, (Notices{{DeviceChange::Removal, "VID_7F1D&PID_2C05"},
                                {DeviceChange::Arrival, "VID_7F1D&PID_2C05"}}));
    EXPECT_TRUE(IsMouseInterfaceName(notices[0].second));
}

TEST(VirtualMousePresence, PassesOnTheMousesNotices) {
    VirtualClock clock;
    VirtualMouse mouse(clock);
    VirtualMousePresence presence(mouse);
    RecordingListener listener;
    presence.Start(listener);
    mouse.Unplug();
    mouse.Plug();
    presence.Stop();
    mouse.Unplug();
    EXPECT_EQ(listener.WaitFor(2), (Notices{{DeviceChange::Removal, "VID_7F1D&PID_2C05"},
                                             {DeviceChange::Arrival, "VID_7F1D&PID_2C05"}}));
}

TEST(HidBootloaderProbe, SeesTheMouseOnlyInBootloaderMode) {
    VirtualClock clock;
    VirtualMouse normal(clock);
    VirtualMouse bootloader(clock, VirtualMouseConfig{.bootloader = true});
    EXPECT_FALSE(HidBootloaderProbe(normal).IsBootloaderPresent());
    EXPECT_TRUE(HidBootloaderProbe(bootloader).IsBootloaderPresent());
    bootloader.Unplug();
    EXPECT_FALSE(HidBootloaderProbe(bootloader).IsBootloaderPresent());
}

}  // namespace
}  // namespace oryn7px
