// Any bytes as text the command line prints (names, paths, addresses from servers and devices):
// what reaches the terminal holds no control character that it would obey, and JSON keeps the
// value a reader decodes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "tools/cli/text_escape.h"

namespace {

// The code points of well-formed UTF-8; anything else traps.
template <typename Visit>
void ForEachCodePoint(std::string_view text, Visit visit) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead >= 0x80 && (lead < 0xC2 || lead > 0xF4)) __builtin_trap();
        if (at + length > text.size()) __builtin_trap();
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(text[at + i]);
            if ((byte & 0xC0) != 0x80) __builtin_trap();
            value = (value << 6) | (byte & 0x3F);
        }
        visit(value);
        at += length;
    }
}

bool Obeyed(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool bidi = c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
                      (c >= 0x2066 && c <= 0x2069);
    return control || bidi;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ForEachCodePoint(oryn7px::cli::EscapeForText(input), [](char32_t c) {
        if (Obeyed(c)) __builtin_trap();
    });
    ForEachCodePoint(oryn7px::cli::EscapeForText(input, true), [](char32_t c) {
        if (c != U'\n' && Obeyed(c)) __builtin_trap();
    });
    const nlohmann::json value = std::string(input);
    const std::string printed = oryn7px::cli::JsonText(value);
    ForEachCodePoint(printed, [](char32_t c) {
        if (c != U'\n' && Obeyed(c)) __builtin_trap();
    });
    const std::string plain = value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
    if (nlohmann::json::parse(printed) != nlohmann::json::parse(plain)) __builtin_trap();
    return 0;
}
