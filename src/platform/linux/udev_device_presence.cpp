#include "platform/linux/udev_device_presence.h"

#include "platform/linux/hidraw_backend.h"
#include "platform/posix/retry_on_eintr.h"

#include <fcntl.h>
#include <libudev.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>

namespace oryn7px {

std::string InterfaceNameFromHidId(const std::string& hidId) {
    uint16_t vendor = 0, product = 0;
    return ParseHidId("HID_ID=" + hidId, &vendor, &product) ? InterfaceNameOf(vendor, product) : std::string();
}

UdevDevicePresence::~UdevDevicePresence() { Stop(); }

bool UdevDevicePresence::Start(DevicePresenceListener& listener) {
    if (thread_.joinable()) return true;
    udev_ = udev_new();
    if (!udev_) return false;
    // The "udev" source reports nodes after their permissions are set, but only while udevd runs.
    const char* source = std::filesystem::exists("/run/udev/control") ? "udev" : "kernel";
    monitor_ = udev_monitor_new_from_netlink(udev_, source);
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0 || pipe2(stopPipe_, O_CLOEXEC) != 0) {
        Stop();
        return false;
    }
    RememberPresentDevices();
    thread_ = std::thread([this, &listener] { Run(listener); });
    return true;
}

void UdevDevicePresence::Stop() {
    if (thread_.joinable()) {
        const char wake = 1;
        [[maybe_unused]] const auto written = write(stopPipe_[1], &wake, 1);
        thread_.join();
    }
    for (int& fd : stopPipe_) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    if (monitor_) udev_monitor_unref(monitor_);
    if (udev_) udev_unref(udev_);
    monitor_ = nullptr;
    udev_ = nullptr;
}

std::string UdevDevicePresence::NameOf(udev_device* hidraw) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    const char* hidId = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    return hidId ? InterfaceNameFromHidId(hidId) : std::string();
}

// A mouse plugged in before the monitor started must still be reported when it leaves.
void UdevDevicePresence::RememberPresentDevices() {
    udev_enumerate* enumerate = udev_enumerate_new(udev_);
    if (!enumerate) return;
    udev_enumerate_add_match_subsystem(enumerate, "hidraw");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
        const char* sysPath = udev_list_entry_get_name(entry);
        udev_device* device = udev_device_new_from_syspath(udev_, sysPath);
        if (!device) continue;
        const std::string name = NameOf(device);
        if (!name.empty()) namesBySysPath_[sysPath] = name;
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
}

void UdevDevicePresence::Run(DevicePresenceListener& listener) {
    pollfd fds[2] = {{udev_monitor_get_fd(monitor_), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    while (RetryOnEintr([&] { return poll(fds, 2, -1); }) >= 0) {
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) continue;
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (!device) continue;
        const std::string action = udev_device_get_action(device) ? udev_device_get_action(device) : "";
        const std::string sysPath = udev_device_get_syspath(device) ? udev_device_get_syspath(device) : "";
        if (action == "add") {
            const std::string name = NameOf(device);
            if (!name.empty()) {
                namesBySysPath_[sysPath] = name;
                listener.OnDeviceChange(DeviceChange::Arrival, name);
            }
        } else if (action == "remove") {
            const auto known = namesBySysPath_.find(sysPath);
            if (known != namesBySysPath_.end()) {
                listener.OnDeviceChange(DeviceChange::Removal, known->second);
                namesBySysPath_.erase(known);
            }
        }
        udev_device_unref(device);
    }
}

}  // namespace oryn7px
