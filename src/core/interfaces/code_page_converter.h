#pragma once
// Conversion of 8-bit text in a Windows code page to UTF-16, supplied by the platform.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace oryn7px {

inline constexpr uint32_t kCodePageUtf8 = 65001;
inline constexpr uint32_t kCodePageWindows1252 = 1252;

class CodePageConverter {
public:
    virtual ~CodePageConverter() = default;
    // Bytes the code page cannot map become U+FFFD; nothing when the code page is unsupported.
    virtual std::optional<std::u16string> ToUtf16(uint32_t codePage, std::string_view bytes) const = 0;
    // The code page that stands for "ANSI" on this system.
    virtual uint32_t AnsiCodePage() const = 0;
};

}  // namespace oryn7px
