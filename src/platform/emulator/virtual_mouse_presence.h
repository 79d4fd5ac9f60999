#pragma once
// Device presence of the in-process virtual mouse: its plug and unplug become the notices.
#include "core/interfaces/device_presence.h"
#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {

class VirtualMousePresence final : public DevicePresence {
public:
    explicit VirtualMousePresence(VirtualMouse& mouse) : mouse_(mouse) {}
    ~VirtualMousePresence() override { Stop(); }

    bool Start(DevicePresenceListener& listener) override;
    void Stop() override;

private:
    VirtualMouse& mouse_;
};

}  // namespace oryn7px
