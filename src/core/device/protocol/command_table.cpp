#include "core/device/protocol/command_table.h"

#include <utility>

namespace oryn7px {

const CommandLayout* FindLayout(uint8_t command) {
    for (const CommandLayout& layout : kCommandTable) {
        if (static_cast<uint8_t>(layout.id) == command) return &layout;
    }
    return nullptr;
}

const CommandLayout& LayoutOf(CommandId id) { return *FindLayout(static_cast<uint8_t>(id)); }

DeviceCommand CommandWith(CommandId id, std::vector<uint8_t> data) {
    return {LayoutOf(id).header, std::move(data)};
}

}  // namespace oryn7px
