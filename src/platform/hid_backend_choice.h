#pragma once
// The one place that decides which mouse the program talks to.
#include <memory>
#include <string>

#include "core/base/clock.h"
#include "core/interfaces/hid_backend.h"

namespace oryn7px {

class VirtualMouse;

inline constexpr const char* kEmulatorSocketVariable = "ORYN7PX_EMULATOR";

enum class HidBackendKind { System, Emulator, InProcess };

struct HidBackendChoice {
    std::unique_ptr<HidBackend> backend;
    HidBackendKind kind = HidBackendKind::System;
    std::string description;                // for logs and the CLI
    VirtualMouse* virtualMouse = nullptr;  // the in-process mouse, owned by backend
};

// An in-process virtual mouse when asked for; else the oryn7px-emu daemon named by
// ORYN7PX_EMULATOR; else the system's HID devices.
HidBackendChoice ChooseHidBackend(bool inProcessVirtualMouse, Clock& clock);

}  // namespace oryn7px
