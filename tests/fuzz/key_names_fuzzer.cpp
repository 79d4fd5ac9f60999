// Key combinations and function codes come from profile files anyone may hand over: every packed
// code must give a name built only of the known pieces, with no reading outside the tables.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/i18n/function_names.h"
#include "core/i18n/key_names.h"
#include "core/i18n/us_keyboard_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const oryn7px::UsKeyboardLayout layout;
    for (size_t at = 0; at + 4 <= size; at += 4) {
        uint32_t code;
        std::memcpy(&code, data + at, sizeof code);
        const std::u16string combo = oryn7px::GetKeyComboName(code, layout);
        // Four modifiers and the longest key name: anything longer came from somewhere else.
        if (combo.size() > 64) std::abort();
        const std::u16string key = oryn7px::GetVirtualKeyName(code, layout);
        if (key.find(u'\0') != std::u16string::npos) std::abort();
        if (oryn7px::VirtualKeyToUsage(oryn7px::UsageToVirtualKey(static_cast<uint8_t>(code))) == 0 &&
            oryn7px::UsageToVirtualKey(static_cast<uint8_t>(code)) != 0) {
            std::abort();  // every virtual key of the table maps back to a usage
        }
        oryn7px::GetMacroKeyName(code);
        oryn7px::GetFunctionName(static_cast<int32_t>(code), (code & 1) != 0);
    }
    return 0;
}
