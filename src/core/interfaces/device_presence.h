#pragma once
// Notices of HID devices arriving and leaving, as the main window follows the mouse.
#include <cstdint>
#include <string>
#include <string_view>

namespace oryn7px {

enum class DeviceChange { Arrival = 0x8000, Removal = 0x8004 };

class DevicePresenceListener {
public:
    virtual ~DevicePresenceListener() = default;
    // Called on the presence thread; interfaceName carries "VID_xxxx&PID_xxxx".
    virtual void OnDeviceChange(DeviceChange change, const std::string& interfaceName) = 0;
};

class DevicePresence {
public:
    virtual ~DevicePresence() = default;
    // False when notices cannot be received; the program then runs without following the mouse.
    virtual bool Start(DevicePresenceListener& listener) = 0;
    virtual void Stop() = 0;
};

// "VID_7F1D&PID_2C05": how notices name a device.
std::string InterfaceNameOf(uint16_t vendorId, uint16_t productId);

// True for an interface name of the ORYN7PX mouse, compared without regard to case.
bool IsMouseInterfaceName(std::string_view interfaceName);

}  // namespace oryn7px
