#pragma once
// File paths as the UTF-16 text that records and messages hold.
#include <filesystem>
#include <string>

#include "core/base/utf16.h"

namespace oryn7px {

inline std::u16string PathText(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

}  // namespace oryn7px
