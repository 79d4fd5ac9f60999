#include "core/interfaces/device_presence.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/device/protocol/device_identity.h"

namespace oryn7px {

std::string InterfaceNameOf(uint16_t vendorId, uint16_t productId) {
    char name[32];
    std::snprintf(name, sizeof name, "VID_%04X&PID_%04X", vendorId, productId);
    return name;
}

bool IsMouseInterfaceName(std::string_view interfaceName) {
    constexpr std::string_view kMouseId = kMouseInterfaceName;
    const auto it = std::search(interfaceName.begin(), interfaceName.end(), kMouseId.begin(), kMouseId.end(),
                                [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
    return it != interfaceName.end();
}

}  // namespace oryn7px
