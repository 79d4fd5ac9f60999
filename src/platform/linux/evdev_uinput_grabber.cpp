#include "platform/linux/evdev_uinput_grabber.h"

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>

#include <cstring>

namespace oryn7px {

namespace {

class UinputMirror final : public EvdevMirror {
public:
    UinputMirror(libevdev* device, libevdev_uinput* uinput) : device_(device), uinput_(uinput) {}
    ~UinputMirror() override {
        libevdev_grab(device_, LIBEVDEV_UNGRAB);
        libevdev_uinput_destroy(uinput_);
        libevdev_free(device_);
    }
    UinputMirror(const UinputMirror&) = delete;
    UinputMirror& operator=(const UinputMirror&) = delete;

    bool Write(std::span<const input_event> frame) override {
        for (const input_event& event : frame) {
            if (libevdev_uinput_write_event(uinput_, event.type, event.code, event.value) < 0) return false;
        }
        return true;
    }

private:
    libevdev* device_;
    libevdev_uinput* uinput_;
};

std::string Why(const char* what, int negativeErrno) {
    return std::string(what) + ": " + std::strerror(-negativeErrno);
}

}  // namespace

std::unique_ptr<EvdevMirror> UinputGrabber::Grab(int fd, std::string& error) {
    libevdev* device = nullptr;
    int rc = libevdev_new_from_fd(fd, &device);
    if (rc < 0) {
        error = Why("cannot read the input node's capabilities", rc);
        return nullptr;
    }
    libevdev_uinput* uinput = nullptr;
    rc = libevdev_uinput_create_from_device(device, LIBEVDEV_UINPUT_OPEN_MANAGED, &uinput);
    if (rc < 0) {
        libevdev_free(device);
        error = Why("cannot create the uinput mirror", rc);
        return nullptr;
    }
    // The mirror exists before the grab, so that other programs never miss the mouse.
    rc = libevdev_grab(device, LIBEVDEV_GRAB);
    if (rc < 0) {
        libevdev_uinput_destroy(uinput);
        libevdev_free(device);
        error = Why("cannot grab the input node", rc);
        return nullptr;
    }
    return std::make_unique<UinputMirror>(device, uinput);
}

}  // namespace oryn7px
