#include "platform/linux/evdev_mouse_nodes.h"

#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <libudev.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "core/device/protocol/device_identity.h"

namespace oryn7px {

namespace {

constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
constexpr const char* kUinputPath = "/dev/uinput";

bool SameId(const char* value, const char* expected) { return value && strcasecmp(value, expected) == 0; }

// An event node (not a legacy mouseN node) of the mouse's USB device. uinput mirrors, ours
// included, have no USB parent.
bool IsMouseEventNode(udev_device* device) {
    const char* sysname = udev_device_get_sysname(device);
    if (!sysname || !std::string_view(sysname).starts_with("event") || !udev_device_get_devnode(device)) return false;
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    return usb && SameId(udev_device_get_sysattr_value(usb, "idVendor"), kMouseVendorIdText) &&
           SameId(udev_device_get_sysattr_value(usb, "idProduct"), kMouseProductIdText);
}

class UdevNodeWatch final : public EvdevNodeWatch {
public:
    UdevNodeWatch(udev* context, udev_monitor* monitor) : udev_(context), monitor_(monitor) {}
    ~UdevNodeWatch() override {
        udev_monitor_unref(monitor_);
        udev_unref(udev_);
    }
    UdevNodeWatch(const UdevNodeWatch&) = delete;
    UdevNodeWatch& operator=(const UdevNodeWatch&) = delete;

    int Fd() const override { return udev_monitor_get_fd(monitor_); }

    std::vector<EvdevNodeChange> Receive() override {
        std::vector<EvdevNodeChange> changes;
        // The monitor's socket does not block: null once nothing waits.
        while (udev_device* device = udev_monitor_receive_device(monitor_)) {
            const char* action = udev_device_get_action(device);
            const char* devnode = udev_device_get_devnode(device);
            if (action && devnode) {
                // A removed device no longer reaches its USB parent: every removal is told.
                if (std::strcmp(action, "add") == 0 && IsMouseEventNode(device)) changes.push_back({true, devnode});
                if (std::strcmp(action, "remove") == 0) changes.push_back({false, devnode});
            }
            udev_device_unref(device);
        }
        return changes;
    }

private:
    udev* udev_;
    udev_monitor* monitor_;
};

}  // namespace

std::unique_ptr<EvdevNodeWatch> UdevEvdevNodes::Watch(std::string& error) {
    udev* context = udev_new();
    if (!context) {
        error = "libudev cannot be used";
        return nullptr;
    }
    // The "udev" source reports nodes after their permissions are set, but only while udevd runs.
    const char* source = std::filesystem::exists("/run/udev/control") ? "udev" : "kernel";
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, source);
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "input", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        error = std::string("cannot watch input devices through udev (") + source + "): " + std::strerror(errno);
        if (monitor) udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::make_unique<UdevNodeWatch>(context, monitor);
}

std::vector<std::string> UdevEvdevNodes::List() { return FindMouseEventNodes(); }

EvdevOpenedNode UdevEvdevNodes::Open(const std::string& devnode) {
    EvdevOpenedNode node;
    node.fd = open(devnode.c_str(), kReadFlags);
    if (node.fd < 0) {
        node.error = std::strerror(errno);
        return node;
    }
    libevdev* device = nullptr;
    if (libevdev_new_from_fd(node.fd, &device) == 0) {
        node.pointer =
            libevdev_has_event_code(device, EV_KEY, BTN_LEFT) && libevdev_has_event_code(device, EV_REL, REL_X);
        libevdev_free(device);
    }
    return node;
}

std::vector<std::string> FindMouseEventNodes() {
    std::vector<std::string> nodes;
    udev* context = udev_new();
    if (!context) return nodes;
    if (udev_enumerate* enumerate = udev_enumerate_new(context)) {
        udev_enumerate_add_match_subsystem(enumerate, "input");
        udev_enumerate_add_match_sysname(enumerate, "event*");
        udev_enumerate_scan_devices(enumerate);
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
            udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
            if (!device) continue;
            if (IsMouseEventNode(device)) nodes.emplace_back(udev_device_get_devnode(device));
            udev_device_unref(device);
        }
        udev_enumerate_unref(enumerate);
    }
    udev_unref(context);
    std::sort(nodes.begin(), nodes.end());
    return nodes;
}

EvdevProbe ProbeEvdevInput() {
    EvdevProbe probe;
    const std::vector<std::string> nodes = FindMouseEventNodes();
    probe.nodesFound = !nodes.empty();
    probe.nodesReadable = probe.nodesFound;
    for (const std::string& node : nodes) {
        const int fd = open(node.c_str(), kReadFlags);
        if (fd < 0) {
            probe.nodesReadable = false;
            probe.deniedNode = node;
            break;
        }
        close(fd);
    }
    const int uinput = open(kUinputPath, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (uinput < 0) {
        probe.uinputError = std::strerror(errno);
    } else {
        probe.uinputWritable = true;
        close(uinput);
    }
    return probe;
}

}  // namespace oryn7px
