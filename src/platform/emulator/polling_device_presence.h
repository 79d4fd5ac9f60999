#pragma once
// Device presence by looking at a HID backend's interfaces now and then: the oryn7px-emu
// daemon sends no notices of its own, so its mouse is followed by polling its listing.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "core/interfaces/device_presence.h"
#include "core/interfaces/hid_backend.h"

namespace oryn7px {

class PollingDevicePresence final : public DevicePresence {
public:
    explicit PollingDevicePresence(HidBackend& backend,
                                   std::chrono::milliseconds interval = std::chrono::milliseconds(250))
        : backend_(backend), interval_(interval) {}
    ~PollingDevicePresence() override;

    bool Start(DevicePresenceListener& listener) override;
    void Stop() override;

private:
    std::set<std::string> PresentNames();
    void Run(DevicePresenceListener& listener);

    HidBackend& backend_;
    const std::chrono::milliseconds interval_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
    std::set<std::string> known_;
};

// "VID_7F1D&PID_2C05" for the interface's IDs.
std::string InterfaceNameOf(const HidInterfaceInfo& info);

}  // namespace oryn7px
