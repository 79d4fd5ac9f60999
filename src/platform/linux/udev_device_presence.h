#pragma once
#include <atomic>
#include <map>
#include <string>
#include <thread>

#include "core/interfaces/device_presence.h"

struct udev;
struct udev_monitor;
struct udev_device;

namespace oryn7px {

// Follows hidraw nodes coming and going through a libudev monitor on a thread of its own.
class UdevDevicePresence final : public DevicePresence {
public:
    UdevDevicePresence() = default;
    ~UdevDevicePresence() override;

    bool Start(DevicePresenceListener& listener) override;
    void Stop() override;

private:
    void Run(DevicePresenceListener& listener);
    void RememberPresentDevices();
    static std::string NameOf(udev_device* hidraw);

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    int stopPipe_[2] = {-1, -1};
    std::thread thread_;
    std::map<std::string, std::string> namesBySysPath_;  // removal events no longer reach the parent
};

// "0003:00007F1D:00002C05" → "VID_7F1D&PID_2C05"; empty when the text is not a HID ID.
std::string InterfaceNameFromHidId(const std::string& hidId);

}  // namespace oryn7px
