#pragma once
// Built-in names of the basic button functions, in Simplified Chinese and English.
#include <cstdint>
#include <string_view>

namespace oryn7px {

// Empty for a code without a name.
std::u16string_view GetFunctionName(int32_t functionCode, bool chinese);

}  // namespace oryn7px
