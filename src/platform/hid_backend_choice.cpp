#include "platform/hid_backend_choice.h"

#include <cstdlib>

#include "platform/emulator/emulator_client.h"
#include "platform/emulator/virtual_mouse.h"
#include "platform/linux/hidraw_backend.h"

namespace oryn7px {

HidBackendChoice ChooseHidBackend(bool inProcessVirtualMouse, Clock& clock) {
    HidBackendChoice choice;
    if (inProcessVirtualMouse) {
        auto mouse = std::make_unique<VirtualMouse>(clock);
        choice.virtualMouse = mouse.get();
        choice.backend = std::move(mouse);
        choice.kind = HidBackendKind::InProcess;
        choice.description = "in-process virtual mouse";
        return choice;
    }
    const char* socket = std::getenv(kEmulatorSocketVariable);
    if (socket != nullptr && *socket != '\0') {
        choice.backend = std::make_unique<EmulatorBackend>(socket, clock);
        choice.kind = HidBackendKind::Emulator;
        choice.description = std::string("virtual mouse of oryn7px-emu at ") + socket;
        return choice;
    }
    choice.backend = std::make_unique<HidrawBackend>();
    choice.description = "hidraw devices";
    return choice;
}

}  // namespace oryn7px
