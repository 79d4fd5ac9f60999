#pragma once
// The library's game categories: their names on the category button and in the category menu.
#include <cstdint>
#include <string_view>

#include "core/settings/file_records.h"

namespace oryn7px::macro_page {

inline constexpr uint32_t kFirstCategory = 1;
inline constexpr uint32_t kCategoryCount = kMacroCategoryCount;
// The user's own category, shown when the page opens.
inline constexpr uint32_t kOwnCategory = 22;
// Macros of this category are listed by name only; their events are never shown.
inline constexpr uint32_t kHiddenEventsCategory = 21;

inline constexpr bool IsCategory(uint32_t category) {
    return category >= kFirstCategory && category <= kCategoryCount;
}

// The name on the category button; empty for a number that is no category.
std::u16string_view CategoryName(uint32_t category, bool chinese);
// The text of the category's item in the category menu.
std::u16string_view CategoryMenuText(uint32_t category, bool chinese);

}  // namespace oryn7px::macro_page
