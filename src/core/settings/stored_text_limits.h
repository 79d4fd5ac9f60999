#pragma once
// The longest texts the records' fixed fields hold. A longer text is refused with a message,
// never cut: a cut path can name another program, a cut name is not the name given.
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/file_records.h"

namespace oryn7px {

inline constexpr std::size_t kMaxMacroNameLength = kMacroNameChars - 1;  // room for the terminator
inline constexpr std::size_t kMaxStoredPathLength = kPathChars - 1;

// Why `name` cannot be a macro's name (empty or too long), in the UI's language; none when it can.
std::optional<std::u16string> MacroNameProblem(std::u16string_view name, bool chinese);
// Why `path` cannot be stored for a host action; none when it can.
std::optional<std::u16string> StoredPathProblem(std::u16string_view path, bool chinese);

}  // namespace oryn7px
