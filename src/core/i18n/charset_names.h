#pragma once
// Character-set names as XML and HTML files declare them, and the Windows code pages they stand for.
#include <cstdint>
#include <string_view>

namespace oryn7px {

inline constexpr uint32_t kCodePageUtf16Le = 1200;
inline constexpr uint32_t kCodePageUtf16Be = 1201;

// Case-insensitive; 0 for a name the table does not know.
uint32_t CodePageForCharset(std::string_view name);

}  // namespace oryn7px
