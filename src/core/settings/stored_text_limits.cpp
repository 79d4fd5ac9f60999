#include "core/settings/stored_text_limits.h"

#include "core/base/utf16.h"

namespace oryn7px {

namespace {

std::u16string Number(std::size_t n) { return Utf8ToUtf16(std::to_string(n)); }

}  // namespace

std::optional<std::u16string> MacroNameProblem(std::u16string_view name, bool chinese) {
    if (!name.empty() && name.size() <= kMaxMacroNameLength) return std::nullopt;
    const std::u16string limit = Number(kMaxMacroNameLength);
    return chinese ? u"宏名称须为 1 到 " + limit + u" 个字符，未作更改。"
                   : u"A macro name has 1 to " + limit + u" characters; nothing was changed.";
}

std::optional<std::u16string> StoredPathProblem(std::u16string_view path, bool chinese) {
    if (path.size() <= kMaxStoredPathLength) return std::nullopt;
    const std::u16string limit = Number(kMaxStoredPathLength);
    return chinese ? u"路径超过 " + limit + u" 个字符，无法保存。"
                   : u"The path is longer than " + limit + u" characters and cannot be stored.";
}

}  // namespace oryn7px
