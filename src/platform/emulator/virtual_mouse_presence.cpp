#include "platform/emulator/virtual_mouse_presence.h"

#include "core/device/protocol/device_identity.h"
#include "platform/emulator/polling_device_presence.h"

namespace oryn7px {

bool VirtualMousePresence::Start(DevicePresenceListener& listener) {
    mouse_.SetPresenceListener([this, &listener](bool plugged) {
        const std::vector<HidInterfaceInfo> interfaces = mouse_.Enumerate();
        const std::string name = interfaces.empty() ? kMouseInterfaceName : InterfaceNameOf(interfaces.front());
        listener.OnDeviceChange(plugged ? DeviceChange::Arrival : DeviceChange::Removal, name);
    });
    return true;
}

void VirtualMousePresence::Stop() { mouse_.SetPresenceListener({}); }

}  // namespace oryn7px
