#pragma once
// The grab of an input node (EVIOCGRAB) behind a uinput mirror made from it, through libevdev.
#include "platform/linux/evdev_devices.h"

namespace oryn7px {

class UinputGrabber final : public EvdevGrabber {
public:
    std::unique_ptr<EvdevMirror> Grab(int fd, std::string& error) override;
};

}  // namespace oryn7px
