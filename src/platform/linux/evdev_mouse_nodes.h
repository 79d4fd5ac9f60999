#pragma once
// The mouse's own input event nodes (/dev/input/eventN under its USB device), found and
// watched through libudev.
#include <memory>
#include <string>
#include <vector>

#include "core/app/desktop_input.h"
#include "platform/linux/evdev_devices.h"

namespace oryn7px {

class UdevEvdevNodes final : public EvdevNodeOpener {
public:
    std::unique_ptr<EvdevNodeWatch> Watch(std::string& error) override;
    std::vector<std::string> List() override;
    EvdevOpenedNode Open(const std::string& devnode) override;
};

// The device nodes of every input event device whose USB device is 7F1D:2C05, sorted.
std::vector<std::string> FindMouseEventNodes();

// Whether the nodes exist and can be read, and whether /dev/uinput can be written.
EvdevProbe ProbeEvdevInput();

}  // namespace oryn7px
