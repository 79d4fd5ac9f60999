#pragma once

namespace oryn7px {

// Is the mouse present in its firmware-update (bootloader) mode, USB ID 04D9:8022?
class BootloaderProbe {
public:
    virtual ~BootloaderProbe() = default;
    virtual bool IsBootloaderPresent() = 0;
};

}  // namespace oryn7px
