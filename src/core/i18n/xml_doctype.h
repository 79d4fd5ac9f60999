#pragma once
// Where a document type declaration starting at `lt` ends, shared by the reader and the strict
// check so both skip it alike: quoted strings and the internal subset may hold ">".
#include <cstddef>
#include <string_view>

namespace oryn7px {

// Just past its closing ">", or npos when the text ends first.
inline std::size_t DoctypeEnd(std::u16string_view text, std::size_t lt) {
    int depth = 0;
    for (std::size_t i = lt + 9; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'"' || c == u'\'') {
            i = text.find(c, i + 1);
            if (i == std::u16string_view::npos) break;
        } else if (c == u'[') {
            ++depth;
        } else if (c == u']') {
            --depth;
        } else if (c == u'>' && depth <= 0) {
            return i + 1;
        }
    }
    return std::u16string_view::npos;
}

}  // namespace oryn7px
