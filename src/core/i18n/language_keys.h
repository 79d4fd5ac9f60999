#pragma once
// The 115 keys of a language file, in table order, with the hint ID that shows each one.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace oryn7px {

inline constexpr std::size_t kLanguageKeyCount = 115;

struct LanguageKey {
    std::string_view name;  // the element name in the file, misspellings included
    int hintId;             // 0 when no hint shows this key
};

const std::array<LanguageKey, kLanguageKeyCount>& LanguageKeys();

// The position of a key in the table.
std::optional<std::size_t> LanguageKeyIndex(std::string_view name);

}  // namespace oryn7px
